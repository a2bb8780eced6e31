// SPDX-License-Identifier: MIT
#include "controls/ClientArea.h"

#include <QPainter>

#include "controls/Twips.h"

namespace cinta {

ClientArea::ClientArea(QWidget* window, const QColor& backColor, const QPixmap& background)
    : QWidget(window), backColor_(backColor), background_(background) {
  // Every pixel is painted here, so nothing below (the frame, the window) is painted first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClientArea::SetBackground(const QPixmap& background) {
  background_ = background;
  update();
}

void ClientArea::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The picture is drawn unscaled; it is usually larger than the client area, its far parts never
  // seen, and then the back colour shows nowhere.
  const QRect covered(QPoint(0, 0), background_.deviceIndependentSize().toSize());
  if (!covered.contains(rect()) || background_.hasAlphaChannel())
    painter.fillRect(rect(), backColor_);
  if (!background_.isNull()) painter.drawPixmap(0, 0, background_);
}

ClientArea* SetUpThinFramedWindow(QWidget* window, int clientWidthTwips, int clientHeightTwips,
                                  const QColor& backColor, const QPixmap& background) {
  window->setWindowFlag(Qt::FramelessWindowHint, true);
  const int width = TwipsToPixels(clientWidthTwips);
  const int height = TwipsToPixels(clientHeightTwips);
  window->setFixedSize(width + 2 * kFramePixels, height + 2 * kFramePixels);

  // The frame is a sibling below the client area, so its colour does not reach the controls
  // through palette inheritance.
  auto* frame = new QWidget(window);
  QPalette framePalette = frame->palette();
  framePalette.setColor(QPalette::Window, QColor(0, 0, 0));
  frame->setPalette(framePalette);
  frame->setAutoFillBackground(true);
  frame->setGeometry(0, 0, window->width(), window->height());

  auto* client = new ClientArea(window, backColor, background);
  client->setGeometry(kFramePixels, kFramePixels, width, height);
  return client;
}

}  // namespace cinta
