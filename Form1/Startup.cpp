// SPDX-License-Identifier: MIT
// Start-up and the behaviours that replace a title bar: moving, closing, the about lines.
#include <QCoreApplication>
#include <QMouseEvent>
#include <QScreen>

#include "Form1/Centring.h"
#include "Form1/Form1.h"
#include "controls/ClientArea.h"

namespace cinta {
namespace {

const QString kAttribution = QStringLiteral("Cinta, calculadora de cinta · MIT");
const QString kContact = QStringLiteral("cinta@example.org");

// Whether `point` of the surface lies outside every shown control: only there does a drag move
// the window. Labels let the mouse through to the surface, so who received the event does not
// tell; the controls' rectangles do.
bool OnBareSurface(const QWidget& surface, const QPoint& point) {
  for (const QObject* child : surface.children()) {
    const auto* control = qobject_cast<const QWidget*>(child);
    if (control != nullptr && control->isVisible() && control->geometry().contains(point))
      return false;
  }
  return true;
}

}  // namespace

void Form1::Form_Load() {
  Picture2.SetLeft(-5);
  Label4(0).SetCaption("0");
  if (const QScreen* display = screen()) {
    const QRect area = display->geometry();
    const int left =
        CentredPosition(PixelsToTwips(area.width()), PixelsToTwips(frameGeometry().width()));
    const int top =
        CentredPosition(PixelsToTwips(area.height()), PixelsToTwips(frameGeometry().height()));
    move(area.topLeft() + QPoint(TwipsToPixels(left), TwipsToPixels(top)));
  }
  Label5(0).SetVisible(false);
  Label5(1).SetVisible(false);
  LoadConfiguration();
}

void Form1::Image2_Click() {
  if (Label5(0).Visible()) {
    Label5(0).SetVisible(false);
    Label5(1).SetVisible(false);
    return;
  }
  Label5(0).SetCaption(kAttribution);
  Label5(1).SetCaption(kContact);
  Label5(0).SetVisible(true);
  Label5(1).SetVisible(true);
}

void Form1::Command15_Click() {
  // Every event loop ends, the viewer's included; nothing is asked and nothing is saved.
  QCoreApplication::exit(0);
}

void Form1::Form_MouseMove(Qt::MouseButtons Button, const QPoint& globalPointer) {
  if (WindowMove::StartsMove(Button)) windowMove_.Begin(globalPointer);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (watched != clientArea_) return QWidget::eventFilter(watched, event);
  if (event->type() == QEvent::MouseMove) {
    const auto* move = static_cast<QMouseEvent*>(event);
    const QPoint pointer = move->globalPosition().toPoint();
    if (!windowMove_.Following()) {
      if (OnBareSurface(*clientArea_, move->position().toPoint()))
        Form_MouseMove(move->buttons(), pointer);
    } else if (move->buttons() & Qt::LeftButton) {
      windowMove_.Follow(pointer);
    } else {
      windowMove_.End();
    }
    return true;
  }
  if (event->type() == QEvent::MouseButtonRelease) windowMove_.End();
  return QWidget::eventFilter(watched, event);
}

}  // namespace cinta
