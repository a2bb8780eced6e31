// SPDX-License-Identifier: MIT
// The keys of the viewer, acting on the shown text or on the selected file.
#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>

#include "Form2/DatedCopyName.h"
#include "Form2/FileText.h"
#include "Form2/Form2.h"
#include "Form2/PrintText.h"
#include "recovery/RecoveryFile.h"
#include "textfile/AtomicWrite.h"

namespace cinta {
namespace {

// The font sizes run 12, 14, ... 22 and start again at 12.
constexpr int kFontSizeStep = 2;
constexpr int kFontSizePastLargest = 24;
constexpr int kSmallestFontSize = 12;

}  // namespace

void Form2::Command1_Click(int Index) {
  switch (Index) {
    case 0:
      SaveDatedCopy();
      break;
    case 1:
      CopyToClipboard();
      break;
    case 2:
      PrintShownText();
      break;
    case 3:
      OpenInTextEditor();
      break;
    case 4:
      StepFontSize();
      break;
    default:
      break;
  }
}

void Form2::SaveDatedCopy() {
  // Two copies in one minute get the same name; the second becomes "NAME (2)" rather than
  // replacing the first. A missing folder simply makes the write fail.
  WriteNewFileAtomically(SavedOperationsFolder(), DatedCopyName(clock_()),
                         EncodeTextFile(Text1->Text()));
  File1->Refresh();
}

void Form2::CopyToClipboard() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(Text1->Text());
}

void Form2::PrintShownText() {
  if (const std::unique_ptr<QPrinter> printer = printerSource_())
    PrintText(*printer, Text1->Text());
}

void Form2::OpenInTextEditor() {
  const std::filesystem::path log = OperationLogPath();
  // The editor would show the older log as if it were the shown text.
  if (!WriteFileAtomically(log, EncodeTextFile(Text1->Text()))) return;
  const EditorCommand command = TextEditorCommand(CurrentDesktopSystem(), log);
  launcher_(command.program, command.arguments);
}

void Form2::StepFontSize() {
  viewerFontSize += kFontSizeStep;
  if (viewerFontSize == kFontSizePastLargest) viewerFontSize = kSmallestFontSize;
  SetText1FontSize();
}

void Form2::Command2_Click() {
  // QFile removes files and links only, never a folder that has taken the file's place.
  if (const std::optional<std::filesystem::path> file = File1->SelectedFilePath()) {
    QFile(*file).remove();
  }
  File1->Refresh();
}

void Form2::Command3_Click() {
  // Every event loop ends, the modal viewer's and the main window's alike; nothing is asked and
  // nothing is saved, and the next start shows an empty tape.
  DiscardRecoveryFile(programDir_);
  QCoreApplication::exit(0);
}

}  // namespace cinta
