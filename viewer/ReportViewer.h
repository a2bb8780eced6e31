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

#include "controls/FileListBox.h"
#include "controls/GraphicalButton.h"
#include "controls/Label.h"
#include "controls/MultiLineTextBox.h"
#include "textfile/WriteResult.h"
#include "viewer/EditorCommand.h"

namespace cinta {

class ClientArea;

// The viewer of finished operations: the operation log or a saved copy in a large editable text
// box, the saved copies of operaciones/ in a list on the left, and the keys that act on the shown
// text. The controls are named by their role and are public, so that tests click and read them. A
// report or copy that could not be written is said in a line of its own above the text; other file
// steps that fail are skipped silently. Nothing is ever reported by a dialog.
class ReportViewer : public QDialog {
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
  ReportViewer(std::filesystem::path programDir, const QRect& ownerRect, const std::string& report,
               Clock clock = &QDateTime::currentDateTime, QWidget* parent = nullptr,
               WriteResult reportSaved = {}, Quit quit = {});

  // The action keys along the top edge: the shown text as a dated copy in operaciones/, to the
  // clipboard, to the printer, into the system's text editor; and the next font size.
  void SaveDatedCopy();
  void CopyToClipboard();
  void PrintShownText();
  void OpenInTextEditor();
  void StepFontSize();
  // Deletes the selected file.
  void PressDelete();
  // Ends the program.
  void PressQuit();
  // Shows the selected file.
  void PickSavedCopy();

  // How the text editor is started (QProcess::startDetached unless replaced).
  void SetProgramLauncher(ProgramLauncher launcher) { launcher_ = std::move(launcher); }
  // Where printing goes (the default printer unless replaced).
  void SetPrinterSource(PrinterSource source) { printerSource_ = std::move(source); }

  // The client area: the window's own surface, under every control.
  QWidget* Surface() const;

  MultiLineTextBox* reportText = nullptr;
  GraphicalButton* saveCopyKey = nullptr;
  GraphicalButton* copyKey = nullptr;
  GraphicalButton* printKey = nullptr;
  GraphicalButton* editorKey = nullptr;
  GraphicalButton* fontSizeKey = nullptr;
  FileListBox* savedCopies = nullptr;
  GraphicalButton* deleteKey = nullptr;
  GraphicalButton* quitKey = nullptr;
  // Why the report or the last copy could not be written; hidden while there is nothing to say.
  Label* writeFailure = nullptr;

 protected:
  // The viewer has no close box; Escape does not close it either.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CreateControls();
  void SetFocusOrder();
  void NameControlsForAssistiveTechnology();
  void NameControlsByRole();
  void ConnectHandlers();

  void PlaceAndShowReport(const QRect& ownerRect, const std::string& report);
  void ShowOperationLog(const std::string& report);
  void ShowFile(const std::filesystem::path& file);
  void SetReportFontSize();
  // Says that `what` could not be written and why, or hides the line when `result` is a success.
  void ShowWriteResult(const QString& what, const WriteResult& result);

  std::optional<std::filesystem::path> WriteShownTextToItsFile();

  std::filesystem::path OperationLogPath() const;
  std::filesystem::path SavedOperationsFolder() const;

  std::filesystem::path programDir_;
  Clock clock_;
  ProgramLauncher launcher_;
  PrinterSource printerSource_;
  Quit quit_;
  ClientArea* clientArea_ = nullptr;
  // The saved copy whose text reportText shows, or nullopt while it shows the report.
  std::optional<std::filesystem::path> shownCopy_;

  // Module-level state of the window.
  int viewerFontSize = 0;
};

}  // namespace cinta
