// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "Form1/Form1PreviousResults.h"
#include "Form1/Form1Tape.h"
#include "Module1/WindowMove.h"
#include "calc/OperatorCode.h"
#include "calc/TapeHistory.h"
#include "calc/TapeRecorder.h"
#include "controls/ComboBox.h"
#include "controls/ControlArray.h"
#include "controls/GraphicalButton.h"
#include "controls/ImageControl.h"
#include "controls/Label.h"
#include "controls/LineControl.h"
#include "controls/PictureBox.h"
#include "controls/TapeViewport.h"
#include "controls/TextBox.h"
#include "controls/WindowlessArray.h"
#include "controls/WindowlessContainer.h"
#include "controls/WindowlessControls.h"
#include "recovery/RecoveryFile.h"
#include "recovery/RecoveryJournal.h"

namespace cinta {

class AccessibleTape;
class ClientArea;

// The calculator's main window. Its controls are the storage of the tape (Form1Tape binds them
// to the core); the handlers below do their listed steps and leave the arithmetic to the core.
// Every change goes through that binding, which tells a recorder, so that undo can take it back
// and the recovery file keeps the tape if the program ends other than by its close keys. The
// controls keep their design names and are public, as a form's controls are.
class Form1 : public QWidget {
 public:
  // `programDir` holds configuracion/ (read at start-up) and operaciones/. The window keeps its
  // tape in `recoveryFile`, which no other running window may use (RecoverySlot takes one), and
  // brings back the tape it holds; with an empty path it keeps none and says so.
  Form1(std::filesystem::path programDir, std::filesystem::path recoveryFile,
        QWidget* parent = nullptr);
  // A window alone in its folder, keeping its tape in recuperacion.dat.
  explicit Form1(const std::filesystem::path& programDir);
  ~Form1() override;

  // Number entry keys.
  void Command2_Click(int Index);
  void Command4_Click();
  void Command9_Click();
  void Command10_Click();
  // The user typed into row Index's entry field, which is to hold `text`.
  void Text1_Change(int Index, std::string_view text);
  // Operator keys: each opens a new row carrying its operator.
  void Command3_Click(int Index);
  // A row's operator button opens the palette for its row; a palette key changes that row.
  void Command1_Click(int Index);
  void Command14_Click(int Index);
  // C (0) files the result and clears the tape; CE (1) removes the last row.
  void Command7_Click(int Index);
  // The scroll keys: up (0) and down (1) by one row step.
  void Command6_Click(int Index);
  // The previous results: an entry picked from the list, and the eraser key.
  void Combo1_Click();
  void Command12_Click();
  // Format keys and the "=" key.
  void Command8_Click(int Index);
  void Command5_Click();
  // The save key: writes the report and shows the viewer over this window.
  void Command11_Click();
  // What a title bar would otherwise give.
  void Image2_Click();
  void Command15_Click();
  void Form_MouseMove(Qt::MouseButtons Button, const QPoint& globalPointer);
  // Ctrl+Z takes back the last change of the tape, Ctrl+Y and Ctrl+Shift+Z make it again.
  void Undo();
  void Redo();

  // The client area: the window's own surface, under every control.
  QWidget* Surface() const;

  // What each row adds to the container beyond its entry field's height.
  static constexpr int kContainerGrowth = 150;
  // paletteRow when no row is waiting for a palette choice.
  static constexpr int kNoPaletteRow = -1;

  // The module-level state, read-only.
  int CurrentRow() const { return currentRow; }
  int PaletteRow() const { return paletteRow; }
  int EvalRowCount() const { return evalRowCount; }
  int FormatMode() const { return formatMode; }
  const std::string& CurrencySymbol() const { return currencySymbol; }
  const OperatorNames& OperatorNameList() const { return operatorNames; }

  // Top strip.
  GraphicalButton* Command11 = nullptr;
  ControlArray<GraphicalButton> Command7;
  GraphicalButton* Command9 = nullptr;
  GraphicalButton* Command15 = nullptr;
  // Keypad.
  ControlArray<GraphicalButton> Command2;
  ControlArray<GraphicalButton> Command3;
  ControlArray<GraphicalButton> Command8;
  GraphicalButton* Command10 = nullptr;
  GraphicalButton* Command4 = nullptr;
  GraphicalButton* Command5 = nullptr;
  // Right side.
  ComboBox* Combo1 = nullptr;
  GraphicalButton* Command12 = nullptr;
  TapeViewport* Picture1 = nullptr;
  ControlArray<GraphicalButton> Command6;
  LineControl* Line1 = nullptr;
  TextBox* Text2 = nullptr;
  Label* Label3 = nullptr;
  ImageControl* Image2 = nullptr;
  // The operator palette inside Picture1.
  PictureBox* Picture4 = nullptr;
  ControlArray<GraphicalButton> Command14;
  // The tape inside Picture1: windowless, one member of each array per row.
  WindowlessContainer Picture2;
  WindowlessArray<WindowlessButton> Command1;
  WindowlessArray<WindowlessTextBox> Text1;
  WindowlessArray<WindowlessLabel> Label2;
  WindowlessArray<WindowlessLabel> Label1;
  WindowlessArray<WindowlessLabel> Label4;
  // Bottom strip.
  ControlArray<Label> Label5;
  ControlArray<ImageControl> Image1;
  // Shown while the recovery file cannot be written, so the tape would not survive a crash.
  Label* UnprotectedSign = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // While no text box has the focus, the keyboard presses the on-screen keys.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // One key press that changes the tape or how it is shown, from its first write to its last.
  // Undo keeps it as `undoAs`, or not at all (undo and redo themselves, the scroll keys, the
  // eraser); the recovery file gets it when it ends. A step begun inside another is part of it.
  class Step {
   public:
    Step(Form1& form, std::optional<StepKind> undoAs);
    ~Step();
    Step(const Step&) = delete;
    Step& operator=(const Step&) = delete;

   private:
    Form1& form_;
    std::optional<StepKind> undoAs_;
    bool outermost_;
  };

  void CreateTopStrip();
  void CreateKeypad();
  void CreateRightSide();
  void CreatePalette();
  void CreateTape();
  void CreateBottomStrip();
  void StackSurfaceControls();
  void SetFocusOrder();
  void ConnectHandlers();
  void NameControlsForAssistiveTechnology();

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

  // The container's place with row 0 alone: its design place, and 5 twips left of it once the
  // window has loaded.
  static constexpr int kContainerStartLeft = -5;
  static constexpr int kContainerStartTop = -240;
  // How far one row moves the rows (the height of an operator button and the gap below it), and
  // how much taller it makes the container.
  int RowStep() const { return Command1(0).Height() + Form1Tape::kRowGap; }
  int RowGrowth() const { return Text1(0).Height() + kContainerGrowth; }
  // Hides the palette without handing the keyboard focus on to the close key.
  void ClosePalette();

  void Form_Load();
  void LoadConfiguration();
  // Brings back the tape that the recovery file holds, if any.
  void RecoverTape();
  // Shows or hides UnprotectedSign as the recovery file's last write went.
  void ShowProtection();
  // What both close keys do: the program ends, and the recovery file goes with it unless the
  // last save failed, so that the next start brings back the tape that was saved nowhere.
  void EndProgram();

  // Module-level state of the window.
  int currentRow = 0;
  int evalRowCount = 0;
  int formatMode = 0;
  int paletteRow = 0;
  std::string currencySymbol;
  OperatorNames operatorNames;

  std::filesystem::path programDir_;
  std::filesystem::path recoveryFile_;
  // Whether the save key failed to write the report last time it was pressed.
  bool lastSaveFailed_ = false;
  ClientArea* clientArea_ = nullptr;
  std::unique_ptr<AccessibleTape> accessibleTape_;
  Form1Tape tape_{{Command1, Text1, Label2, Label1, Label4, Image1, Text2, Label3, Picture2},
                  {currentRow, evalRowCount, formatMode},
                  // A palette opened for a removed row has no row left to change.
                  [this](int first) {
                    if (paletteRow >= first) paletteRow = kNoPaletteRow;
                  }};
  // Notes what each step changes on the tape, for undo and the recovery file.
  TapeRecorder recorder_{tape_};
  TapeHistory history_;
  RecoveryJournal journal_{recoveryFile_};
  bool inStep_ = false;
  Form1PreviousResults previousResults_{Combo1, Command12};
  WindowMove windowMove_{this};
  // Whether the mouse button held went down on the bare surface.
  bool dragOnSurface_ = false;
};

}  // namespace cinta
