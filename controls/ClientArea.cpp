// SPDX-License-Identifier: MIT
#include "controls/ClientArea.h"

#include <QPainter>

#include "controls/Twips.h"

namespace cinta {

ClientArea::ClientArea(QWidget* window, const QColor& backColor, const QPixmap& background)
    : QWidget(window), backColor_(backColor), background_(background) {}

void ClientArea::SetBackground(const QPixmap& background) {
  background_ = background;
  update();
}

void ClientArea::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), backColor_);
  // Unscaled: the picture is larger than the client area and its far parts are never seen.
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
