// SPDX-License-Identifier: MIT
// The keys of the viewer, acting on the shown text or on the selected file.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <system_error>

#include "controls/SystemClipboard.h"
#include "textfile/AtomicWrite.h"
#include "viewer/DatedCopyName.h"
#include "viewer/FileText.h"
#include "viewer/PrintText.h"
#include "viewer/ReportViewer.h"

namespace cinta {
namespace {

// The font sizes run 12, 14, ... 22 and start again at 12.
constexpr int kFontSizeStep = 2;
constexpr int kFontSizePastLargest = 24;
constexpr int kSmallestFontSize = 12;

}  // namespace

void ReportViewer::SaveDatedCopy() {
  // Two copies in one minute get the same name; the second becomes "NAME (2)" rather than
  // replacing the first. A missing folder simply makes the write fail, which is then said.
  const NewFile copy = WriteNewFileAtomically(SavedOperationsFolder(), DatedCopyName(clock_()),
                                              EncodeTextFile(reportText->Text()));
  ShowWriteResult(QStringLiteral("la copia"), copy.result);
  savedCopies->Refresh();
}

void ReportViewer::CopyToClipboard() {
  // The report's lines end in CR LF, which a program on Linux would show with a stray CR.
  PutOnClipboard(reportText->Text());
}

void ReportViewer::PrintShownText() {
  if (const std::unique_ptr<QPrinter> printer = printerSource_())
    PrintText(*printer, reportText->Text());
}

void ReportViewer::OpenInTextEditor() {
  // A file that could not be written would show its older text as if it were the shown one.
  const std::optional<std::filesystem::path> file = WriteShownTextToItsFile();
  if (!file) return;
  const EditorCommand command = TextEditorCommand(CurrentDesktopSystem(), *file);
  launcher_(command.program, command.arguments);
}

// The report goes to operacion.txt and a saved copy to itself, so that the editor shows what the
// viewer shows and an older copy never replaces today's report. A copy deleted since it was
// shown is not brought back under its old name: its text becomes a new dated copy, as the copy
// key would save it, which the list then shows selected.
std::optional<std::filesystem::path> ReportViewer::WriteShownTextToItsFile() {
  const std::string bytes = EncodeTextFile(reportText->Text());
  if (!shownCopy_) {
    const std::filesystem::path log = OperationLogPath();
    return WriteFileAtomically(log, bytes) ? std::optional(log) : std::nullopt;
  }
  std::error_code error;
  if (std::filesystem::is_regular_file(*shownCopy_, error)) {
    return WriteFileAtomically(*shownCopy_, bytes) ? shownCopy_ : std::nullopt;
  }
  const NewFile copy =
      WriteNewFileAtomically(SavedOperationsFolder(), DatedCopyName(clock_()), bytes);
  if (!copy.result) return std::nullopt;
  savedCopies->Refresh();
  const QList<QListWidgetItem*> listed =
      savedCopies->findItems(QFileInfo(copy.path).fileName(), Qt::MatchExactly);
  if (!listed.isEmpty()) savedCopies->setCurrentItem(listed.first());
  // Also when reading it back for the list failed: the next press writes this copy again.
  shownCopy_ = copy.path;
  return copy.path;
}

void ReportViewer::StepFontSize() {
  viewerFontSize += kFontSizeStep;
  if (viewerFontSize == kFontSizePastLargest) viewerFontSize = kSmallestFontSize;
  SetReportFontSize();
}

void ReportViewer::PressDelete() {
  // QFile removes files and links only, never a folder that has taken the file's place.
  if (const std::optional<std::filesystem::path> file = savedCopies->SelectedFilePath()) {
    QFile(*file).remove();
  }
  savedCopies->Refresh();
}

void ReportViewer::PressQuit() {
  // The main window decides what becomes of its recovery file; every event loop ends, the modal
  // viewer's and the main window's alike.
  if (quit_) {
    quit_();
  } else {
    QCoreApplication::exit(0);
  }
}

}  // namespace cinta
