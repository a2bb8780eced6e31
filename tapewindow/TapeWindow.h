// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "calc/Key.h"
#include "calc/OperatorCode.h"
#include "controls/ComboBox.h"
#include "controls/ControlArray.h"
#include "controls/GraphicalButton.h"
#include "controls/ImageControl.h"
#include "controls/Label.h"
#include "controls/LineControl.h"
#include "controls/PictureBox.h"
#include "controls/TextBox.h"
#include "recovery/RecoveryFile.h"
#include "session/TapeSession.h"
#include "tapeview/TapeView.h"
#include "tapewindow/WindowDisplay.h"

namespace cinta {

class AccessibleTape;
class ClientArea;
struct KeyDeclaration;

// The calculator's main window. The handlers below press the session's keys, which hold the rules
// and change the tape's model, and move the view, each within one of the session's steps; as each
// step ends the session tells the window's display what to show again, and keeps the change, so
// that undo can take it back and the recovery file keeps the tape if the program ends other than
// by its close keys. The controls are named by their role and are public, so that
// tests click and read them.
class TapeWindow : public QWidget {
 public:
  // `programDir` holds configuracion/ (read at start-up) and operaciones/. The window keeps its
  // tape in `recoveryFile`, which no other running window may use (RecoverySlot takes one), and
  // brings back the tape it holds; with an empty path it keeps none and says so.
  TapeWindow(std::filesystem::path programDir, std::filesystem::path recoveryFile,
             QWidget* parent = nullptr);
  // A window alone in its folder, keeping its tape in recuperacion.dat.
  explicit TapeWindow(const std::filesystem::path& programDir);
  ~TapeWindow() override;

  // Any key, as a click on it does: the handler below that it stands for.
  void Press(Key key);
  // Number entry keys.
  void PressDigit(int digit);
  void PressDecimal();
  void PressBackspace();
  void PressSign();
  // The user typed into row `row`'s entry field, which is to hold `text`.
  void EditRow(int row, std::string_view text);
  // Operator keys: each opens a new row carrying its operator.
  void PressOperator(OperatorCode code);
  // A row's operator button opens the palette for its row; a palette key changes that row.
  void OpenPalette(int row);
  void PickFromPalette(OperatorCode code);
  // C files the result and clears the tape; CE removes the last row.
  void PressClear();
  void PressClearEntry();
  // The scroll keys move the rows by one row step.
  void PressScrollUp();
  void PressScrollDown();
  // The previous results: an entry picked from the list, and the eraser key.
  void PickPreviousResult();
  void TypeIntoResultsField(std::string_view text);
  void PressClearResults();
  // Format keys and the "=" key.
  void PressFormat(FormatMode mode);
  void PressEquals();
  // The save key: writes the report and shows the viewer over this window.
  void PressSave();
  // What a title bar would otherwise give.
  void ClickAboutImage();
  void PressQuit();
  // Ctrl+Z takes back the last change of the tape, Ctrl+Y and Ctrl+Shift+Z make it again.
  void Undo();
  void Redo();
  // The figures of a text, one per line, as rows at the end of the tape, in one step (see
  // ReadFigureColumn and TapeSession::AppendFigures); beeps when it found none or the rows ran
  // out. Ctrl+V and Shift+Insert paste the clipboard's text so, and a drop its text or file.
  void AppendFigures(std::string_view text);
  void PasteFigures();
  // Ctrl+C: the result as a spreadsheet in Spanish reads it; Ctrl+Shift+C: the tape's report.
  void CopyResult();
  void CopyTape();

  // The client area: the window's own surface, under every control.
  QWidget* Surface() const;
  // The on-screen key of `key`.
  QAbstractButton* KeyButton(Key key) const;

  // What each row adds to the canvas beyond its entry field's height.
  static constexpr int kCanvasGrowth = 150;

  // The tape's state, read-only.
  int LastRow() const { return Tape().LastRow(); }
  int PaletteRow() const { return session_.PaletteRow(); }
  int EvaluatedRows() const { return Tape().EvaluatedRows(); }
  FormatMode CurrentFormatMode() const { return Tape().CurrentFormatMode(); }
  // The tape and the list the controls show.
  const MemoryTape& Tape() const { return session_.Tape(); }
  const PreviousResultsList& ResultsList() const { return session_.List(); }
  const std::string& CurrencySymbol() const { return session_.CurrencySymbol(); }
  const OperatorNames& OperatorNameList() const { return operatorNames; }

  // Top strip.
  GraphicalButton* saveKey = nullptr;
  GraphicalButton* clearKey = nullptr;
  GraphicalButton* clearEntryKey = nullptr;
  GraphicalButton* backspaceKey = nullptr;
  GraphicalButton* quitKey = nullptr;
  // Keypad.
  ControlArray<GraphicalButton> digitKeys;
  ControlArray<GraphicalButton> operatorKeys;
  ControlArray<GraphicalButton> formatKeys;
  GraphicalButton* signKey = nullptr;
  GraphicalButton* decimalKey = nullptr;
  GraphicalButton* equalsKey = nullptr;
  // Right side.
  ComboBox* previousResults = nullptr;
  GraphicalButton* clearResultsKey = nullptr;
  // The rows, painted from the tape.
  TapeView* tapeView = nullptr;
  GraphicalButton* scrollUpKey = nullptr;
  GraphicalButton* scrollDownKey = nullptr;
  LineControl* resultRule = nullptr;
  TextBox* resultBox = nullptr;
  Label* formattedResult = nullptr;
  ImageControl* aboutImage = nullptr;
  // The operator palette inside tapeView.
  PictureBox* operatorPalette = nullptr;
  ControlArray<GraphicalButton> paletteKeys;
  // Bottom strip.
  ControlArray<Label> aboutLines;
  ControlArray<ImageControl> operatorLegend;
  // Shown while the recovery file cannot be written, so the tape would not survive a crash.
  Label* unprotectedSign = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  // While no text box has the focus, the keyboard presses the on-screen keys.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Builds every key but the palette's from its declaration.
  void CreateKeys();
  // Builds the key `declaration` declares on `parent`, and makes it the member of its role.
  void AdoptKey(const KeyDeclaration& declaration, QWidget* parent);
  GraphicalButton*& KeyMember(Key key);
  void CreateRightSide();
  void CreatePalette();
  void CreateTape();
  void CreateBottomStrip();
  void StackSurfaceControls();
  void SetFocusOrder();
  void ConnectHandlers();
  // The clipboard's keys, the drop of figures and the tape's tooltip that tells of both.
  void OfferFiguresInAndOut();
  // Whether the clipboard key `event`, pressed in `textBox`, is the window's rather than the box's.
  static bool ClipboardKeyForTheWindow(const QKeyEvent& event, const QObject* textBox);
  // The tape's report as the save key writes it, its formatted view formatted afresh first.
  std::string ReportOfTape();
  void NameControlsForAssistiveTechnology();
  void NameControlsByRole();

  // The on-screen key that a keyboard key stands for, or nullptr.
  QAbstractButton* KeyboardKey(const QKeyEvent& event);
  // Enter, Escape and the operator keys typed into a row end its edit and act as the
  // calculator's keys; returns whether `event` was one of them.
  bool RowEntryKey(const QKeyEvent& event);
  // The edit rule of the rows' entries, over the editor's texts.
  static std::optional<QString> TypeIntoRowEntry(const QString& text, int start, int removed,
                                                 const QString& inserted);
  // Ctrl+Z, Ctrl+Y or Ctrl+Shift+Z.
  static bool IsUndoOrRedoKey(const QKeyEvent& event);

  // The canvas's place with row 0 alone: its design place, and 5 twips left of it once the
  // window has loaded.
  static constexpr int kCanvasStartLeft = -5;
  static constexpr int kCanvasStartTop = -240;
  // How far one row moves the rows (the height of an operator button and the gap below it), and
  // how much taller it makes the canvas.
  static int RowStep() { return RowLayout::Step(); }
  static int RowGrowth() { return RowLayout::Place(0, RowPart::Entry).height + kCanvasGrowth; }
  // Moves the rows up by `rows` row steps (down when negative) and grows the canvas to match,
  // so that a row added at the end stands where the row before was entered.
  void MoveRowsUp(int rows);
  // Moves the rows' canvas down by `twips` (up when negative).
  void MoveCanvasDown(int twips);
  // Hides the palette without handing the keyboard focus on to the close key.
  void ClosePalette();

  void LoadStartupState();
  void LoadConfiguration();
  // What both close keys do: the program ends, and the session with it.
  void EndProgram();

  // The operators' names as the report and the spoken tape give them, read from configuracion/.
  OperatorNames operatorNames;

  std::filesystem::path programDir_;
  std::filesystem::path recoveryFile_;
  ClientArea* clientArea_ = nullptr;
  // Every key, by its Key.
  std::array<GraphicalButton*, kKeyCount> keyButtons_{};
  // The tape and its list with the keys' rules over them, and the display that shows them, which
  // the session tells of each step from the first.
  TapeSession session_{MemoryTape(), recoveryFile_, &display_};
  WindowDisplay display_{
      {tapeView, resultBox, formattedResult, previousResults, clearResultsKey, unprotectedSign},
      session_.Tape(),
      session_.List()};
  std::unique_ptr<AccessibleTape> accessibleTape_;
};

}  // namespace cinta
