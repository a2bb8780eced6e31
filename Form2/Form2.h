// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QDialog>
#include <QPrinter>
#include <QRect>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "Form2/EditorCommand.h"
#include "controls/ControlArray.h"
#include "controls/FileListBox.h"
#include "controls/GraphicalButton.h"
#include "controls/Label.h"
#include "controls/MultiLineTextBox.h"
#include "textfile/WriteResult.h"

namespace cinta {

class ClientArea;

// The viewer of finished operations: the operation log or a saved copy in a large editable text
// box, the saved copies of operaciones/ in a list on the left, and the keys that act on the shown
// text. The controls keep their design names and are public, as a form's controls are. A report
// or copy that could not be written is said in a line of its own above the text; other file steps
// that fail are skipped silently. Nothing is ever reported by a dialog.
class Form2 : public QDialog {
 public:
  using Clock = std::function<QDateTime()>;
  // Ends the program: the main window's rule for its recovery file, then every event loop.
  using Quit = std::function<void()>;
  // The printer to print on, or nullptr when there is none.
  using PrinterSource = std::function<std::unique_ptr<QPrinter>()>;

  // `programDir` holds operacion.txt and operaciones/. The viewer covers `ownerRect`, the main
  // window's outer rectangle, exactly, and shows `report` (UTF-8), the report the save key has
  // just built, as it stands: read back from operacion.txt, a report too large for the file
  // reader or one that could not be written would leave an empty box or an older file, which
  // the editor and copy keys would then write over the report. `clock` dates the saved copies.
  // `reportSaved` tells whether the save key wrote the report to operacion.txt; `quit` is what
  // the close key does (without one, it ends every event loop).
  Form2(std::filesystem::path programDir, const QRect& ownerRect, const std::string& report,
        Clock clock = &QDateTime::currentDateTime, QWidget* parent = nullptr,
        WriteResult reportSaved = {}, Quit quit = {});

  // Index 0 save a dated copy, 1 copy, 2 print, 3 open in the text editor, 4 font size.
  void Command1_Click(int Index);
  // Deletes the selected file.
  void Command2_Click();
  // Ends the program.
  void Command3_Click();
  // Shows the selected file.
  void File1_Click();

  // How the text editor is started (QProcess::startDetached unless replaced).
  void SetProgramLauncher(ProgramLauncher launcher) { launcher_ = std::move(launcher); }
  // Where printing goes (the default printer unless replaced).
  void SetPrinterSource(PrinterSource source) { printerSource_ = std::move(source); }

  // The client area: the window's own surface, under every control.
  QWidget* Surface() const;

  MultiLineTextBox* Text1 = nullptr;
  ControlArray<GraphicalButton> Command1;
  FileListBox* File1 = nullptr;
  GraphicalButton* Command2 = nullptr;
  GraphicalButton* Command3 = nullptr;
  // Why the report or the last copy could not be written; hidden while there is nothing to say.
  Label* WriteFailure = nullptr;

 protected:
  // The viewer has no close box; Escape does not close it either.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CreateControls();
  void SetFocusOrder();
  void NameControlsForAssistiveTechnology();
  void ConnectHandlers();

  void Form_Load(const QRect& ownerRect, const std::string& report);
  void ShowOperationLog(const std::string& report);
  void ShowFile(const std::filesystem::path& file);
  void SetText1FontSize();
  // Says that `what` could not be written and why, or hides the line when `result` is a success.
  void ShowWriteResult(const QString& what, const WriteResult& result);

  void SaveDatedCopy();
  void CopyToClipboard();
  void PrintShownText();
  void OpenInTextEditor();
  std::optional<std::filesystem::path> WriteShownTextToItsFile();
  void StepFontSize();

  std::filesystem::path OperationLogPath() const;
  std::filesystem::path SavedOperationsFolder() const;

  std::filesystem::path programDir_;
  Clock clock_;
  ProgramLauncher launcher_;
  PrinterSource printerSource_;
  Quit quit_;
  ClientArea* clientArea_ = nullptr;
  // The saved copy whose text Text1 shows, or nullopt while it shows the report.
  std::optional<std::filesystem::path> shownCopy_;

  // Module-level state of the window.
  int viewerFontSize = 0;
};

}  // namespace cinta
