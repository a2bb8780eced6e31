// SPDX-License-Identifier: MIT
// Figures in and out without retyping: a column of figures pasted or dropped on the window
// becomes rows of the tape, and the result or the whole tape goes to the clipboard.
#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QShortcut>
#include <QUrl>

#include "calc/FigureColumn.h"
#include "calc/NumberText.h"
#include "controls/SystemClipboard.h"
#include "controls/Utf8Text.h"
#include "tapewindow/TapeWindow.h"
#include "textfile/FileRead.h"
#include "textfile/Windows1252.h"
#include "viewer/FileText.h"

namespace cinta {
namespace {

const QKeySequence kCopyTapeKey(Qt::CTRL | Qt::SHIFT | Qt::Key_C);

const QString kTapeTooltip = QStringLiteral(
    "Ctrl+V pega una columna de cifras al final de la cinta, una fila por línea; también se puede "
    "soltar aquí un texto o un archivo .txt o .csv. Ctrl+C copia el resultado y Ctrl+Mayús+C la "
    "cinta entera.");

// The file of figures dropped or about to be: one local .txt or .csv file no larger than the
// viewer shows.
std::optional<QString> DroppedFile(const QMimeData& dropped) {
  if (!dropped.hasUrls() || dropped.urls().size() != 1) return std::nullopt;
  const QFileInfo file(dropped.urls().front().toLocalFile());
  const QString suffix = file.suffix().toLower();
  if (!file.isFile() || (suffix != QLatin1String("txt") && suffix != QLatin1String("csv")) ||
      static_cast<std::size_t>(file.size()) > kMaxShownFileBytes) {
    return std::nullopt;
  }
  return file.filePath();
}

bool TakesDrop(const QMimeData& dropped) {
  return DroppedFile(dropped) || (!dropped.hasUrls() && dropped.hasText());
}

// The UTF-8 text of a drop that TakesDrop: a file saved by any editor reads alike in UTF-8 or
// Windows-1252; nullopt when the file cannot be read.
std::optional<std::string> DroppedText(const QMimeData& dropped) {
  if (const std::optional<QString> file = DroppedFile(dropped)) {
    const std::optional<std::string> bytes =
        ReadWholeFile(std::filesystem::path(file->toStdU16String()), kMaxShownFileBytes);
    if (!bytes) return std::nullopt;
    return DecodeUtf8OrWindows1252(*bytes, false);
  }
  return dropped.text().toStdString();
}

}  // namespace

void TapeWindow::OfferFiguresInAndOut() {
  setAcceptDrops(true);
  tapeView->setToolTip(kTapeTooltip);
  connect(new QShortcut(QKeySequence::Paste, this), &QShortcut::activated, this,
          [this] { PasteFigures(); });
  connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
          [this] { CopyResult(); });
  connect(new QShortcut(kCopyTapeKey, this), &QShortcut::activated, this, [this] { CopyTape(); });
}

bool TapeWindow::ClipboardKeyForTheWindow(const QKeyEvent& event, const QObject* textBox) {
  // Copying from an entry without a selection copies the result; pasting into the read-only
  // result box pastes the column.
  const auto* entry = qobject_cast<const QLineEdit*>(textBox);
  if (entry == nullptr) return false;
  if (event.matches(QKeySequence::Copy)) return !entry->hasSelectedText();
  return entry->isReadOnly() && event.matches(QKeySequence::Paste);
}

void TapeWindow::AppendFigures(std::string_view text) {
  bool allTaken = false;
  {
    const TapeSession::Step step(session_, StepKind::Change);
    const int before = LastRow();
    allTaken = session_.AppendFigures(ReadFigureColumn(text));
    // The rows move up as they would for each figure typed.
    MoveRowsUp(LastRow() - before);
  }
  if (!allTaken) QApplication::beep();
}

void TapeWindow::PasteFigures() {
  AppendFigures(QGuiApplication::clipboard()->text().toStdString());
}

void TapeWindow::CopyResult() {
  const std::string result = session_.Tape().ResultText();
  if (result == kErrorText) {
    QApplication::beep();
    return;
  }
  // As a spreadsheet in Spanish reads a number: the decimal comma, no grouping, no currency.
  PutOnClipboard(FromUtf8(result).replace(QLatin1Char('.'), QLatin1Char(',')));
}

void TapeWindow::CopyTape() {
  PutOnClipboard(FromUtf8(DecodeWindows1252(ReportOfTape())));
}

void TapeWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (TakesDrop(*event->mimeData())) event->acceptProposedAction();
}

void TapeWindow::dropEvent(QDropEvent* event) {
  if (!TakesDrop(*event->mimeData())) return;
  event->acceptProposedAction();
  if (const std::optional<std::string> text = DroppedText(*event->mimeData())) {
    AppendFigures(*text);
  } else {
    QApplication::beep();
  }
}

}  // namespace cinta
