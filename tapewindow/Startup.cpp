// SPDX-License-Identifier: MIT
// Start-up and the behaviours that replace a title bar: moving, closing, the about lines.
#include <QCoreApplication>
#include <QMouseEvent>
#include <QScreen>

#include "controls/ClientArea.h"
#include "controls/LineControl.h"
#include "controls/RowEditor.h"
#include "tapewindow/Centring.h"
#include "tapewindow/TapeWindow.h"

namespace cinta {
namespace {

const QString kAttribution = QStringLiteral("Cinta, calculadora de cinta · MIT");
const QString kContact = QStringLiteral("cinta@example.org");

// Whether `point` of the surface lies outside every shown control: only a drag that starts there
// moves the window. Labels let the mouse through to the surface, so who received the event does
// not tell; the controls' rectangles do. A line takes no mouse events of its own: the surface
// under it is bare.
bool OnBareSurface(const QWidget& surface, const QPoint& point) {
  for (const QObject* child : surface.children()) {
    const auto* control = qobject_cast<const QWidget*>(child);
    if (control != nullptr && dynamic_cast<const LineControl*>(control) == nullptr &&
        control->isVisible() && control->geometry().contains(point))
      return false;
  }
  return true;
}

}  // namespace

void TapeWindow::Form_Load() {
  rowCanvas.SetLeft(kContainerStartLeft);
  rowOperatorCodes(0).SetCaption("0");
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
  RecoverTape();
  ShowProtection();
}

void TapeWindow::RecoverTape() {
  if (std::optional<RecoveredTape> recovered = ReadRecoveryFile(recoveryFile_)) {
    ApplyPatch(tape_, recovered->tape);
    for (const std::string& entry : recovered->entries) previousResults_.AppendEntry(entry);
    previousResults_.SetFieldText(recovered->fieldText);
    if (recovered->listShown) previousResults_.Show();
    // The file then holds what the window shows, and no end cut short by the kill.
    journal_.WriteWhole(tape_, previousResults_);
  }
}

void TapeWindow::ClickAboutImage() {
  if (aboutLines(0).Visible()) {
    aboutLines(0).SetVisible(false);
    aboutLines(1).SetVisible(false);
    return;
  }
  aboutLines(0).SetCaption(kAttribution);
  aboutLines(1).SetCaption(kContact);
  aboutLines(0).SetVisible(true);
  aboutLines(1).SetVisible(true);
}

void TapeWindow::PressQuit() {
  EndProgram();
}

void TapeWindow::EndProgram() {
  // Every event loop ends, the viewer's included; nothing is asked and nothing is saved. Only
  // this window's file goes: another window running in the folder keeps its own.
  if (!lastSaveFailed_) DiscardRecoveryFile(recoveryFile_);
  QCoreApplication::exit(0);
}

void TapeWindow::Form_MouseMove(Qt::MouseButtons Button, const QPoint& globalPointer) {
  if (WindowDrag::StartsMove(Button)) windowDrag_.Begin(globalPointer);
}

bool TapeWindow::eventFilter(QObject* watched, QEvent* event) {
  // The text boxes would take Ctrl+Z for their own undo, which knows only their own typing and
  // nothing of the keys; in this window it takes back the last change of the tape wherever the
  // focus is.
  if (event->type() == QEvent::ShortcutOverride &&
      IsUndoOrRedoKey(*static_cast<QKeyEvent*>(event))) {
    event->ignore();
    return true;
  }
  // The type first: while the window is destroyed its tape viewport, half gone, still sends the
  // editor events, and asking it for its editor then is undefined.
  if (event->type() == QEvent::KeyPress && watched == &tapeView->Editor() &&
      RowEntryKey(*static_cast<QKeyEvent*>(event))) {
    return true;
  }
  if (watched != clientArea_) return QWidget::eventFilter(watched, event);
  const auto* mouse = dynamic_cast<const QMouseEvent*>(event);
  if (mouse == nullptr) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      // The moves of a drag belong to where its button went down. Presses that a control
      // ignores reach the surface too, so the place decides, not the receiver.
      windowDrag_.Press();
      dragOnSurface_ = OnBareSurface(*clientArea_, mouse->position().toPoint());
      break;
    case QEvent::MouseMove:
      if (!windowDrag_.Following()) {
        if (dragOnSurface_) Form_MouseMove(mouse->buttons(), mouse->globalPosition().toPoint());
      } else if (mouse->buttons() & Qt::LeftButton) {
        windowDrag_.Follow(mouse->globalPosition().toPoint());
      } else {
        windowDrag_.End();
      }
      return true;
    case QEvent::MouseButtonRelease:
      windowDrag_.End();
      dragOnSurface_ = false;
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace cinta
