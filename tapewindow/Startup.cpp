// SPDX-License-Identifier: MIT
// Start-up, the behaviours that replace a title bar (closing, the about lines) and the keys the
// text boxes must not take.
#include <QCoreApplication>
#include <QKeyEvent>
#include <QScreen>

#include "controls/ClientArea.h"
#include "tapeview/RowEditor.h"
#include "tapewindow/Centring.h"
#include "tapewindow/TapeWindow.h"

namespace cinta {
namespace {

const QString kAttribution = QStringLiteral("Cinta, calculadora de cinta · MIT");
const QString kContact = QStringLiteral("cinta@example.org");

}  // namespace

void TapeWindow::LoadStartupState() {
  TwipsRect canvas = tapeView->Canvas();
  canvas.left = kCanvasStartLeft;
  tapeView->MoveCanvas(canvas);
  if (const QScreen* display = screen()) {
    const QRect area = display->geometry();
    const int left =
        CentredPosition(PixelsToTwips(area.width()), PixelsToTwips(frameGeometry().width()));
    const int top =
        CentredPosition(PixelsToTwips(area.height()), PixelsToTwips(frameGeometry().height()));
    move(area.topLeft() + QPoint(TwipsToPixels(left), TwipsToPixels(top)));
  }
  aboutLines(0).SetVisible(false);
  aboutLines(1).SetVisible(false);
  LoadConfiguration();
  // A tape brought back from the recovery file comes without the place of its rows: they stand as
  // if typed in since the start.
  session_.Start();
  MoveRowsUp(LastRow());
}

void TapeWindow::ClickAboutImage() {
  if (aboutLines(0).Visible()) {
    aboutLines(0).SetVisible(false);
    aboutLines(1).SetVisible(false);
    return;
  }
  aboutLines(0).SetText(kAttribution);
  aboutLines(1).SetText(kContact);
  aboutLines(0).SetVisible(true);
  aboutLines(1).SetVisible(true);
}

void TapeWindow::PressQuit() {
  EndProgram();
}

void TapeWindow::EndProgram() {
  // Every event loop ends, the viewer's included; nothing is asked and nothing is saved. Only
  // this window's file goes: another window running in the folder keeps its own.
  session_.End();
  QCoreApplication::exit(0);
}

bool TapeWindow::eventFilter(QObject* watched, QEvent* event) {
  // The text boxes would take Ctrl+Z for their own undo, which knows only their own typing and
  // nothing of the keys; in this window it takes back the last change of the tape wherever the
  // focus is. So do the clipboard keys that are the window's in a text box.
  if (event->type() == QEvent::ShortcutOverride &&
      (IsUndoOrRedoKey(*static_cast<QKeyEvent*>(event)) ||
       ClipboardKeyForTheWindow(*static_cast<QKeyEvent*>(event), watched))) {
    event->ignore();
    return true;
  }
  // The type first: while the window is destroyed its tape viewport, half gone, still sends the
  // editor events, and asking it for its editor then is undefined.
  if (event->type() == QEvent::KeyPress && watched == &tapeView->Editor() &&
      RowEntryKey(*static_cast<QKeyEvent*>(event))) {
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace cinta
