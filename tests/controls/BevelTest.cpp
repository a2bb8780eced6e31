// SPDX-License-Identifier: MIT
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "controls/Bevel.h"

namespace cinta {

class BevelTest : public QObject {
  Q_OBJECT

 private slots:
  // The edge lies on the key's outermost pixels, at every scale: no face colour may show
  // outside it. Probes are in logical pixels of a key of 30 x 20 (columns 0 to 29, rows 0 to
  // 19); at scale 2 both device pixels of the probed logical pixel are checked.
  void EdgeReachesTheKeysBorder_data() {
    QTest::addColumn<int>("scale");
    QTest::addColumn<bool>("sunken");
    QTest::addColumn<QPoint>("probe");
    QTest::addColumn<QColor>("expected");
    const QColor light(255, 255, 255);
    const QColor shadow(128, 128, 128);
    const QColor dark(0, 0, 0);
    const QColor face(255, 255, 192);
    for (const int scale : {1, 2}) {
      const auto row = [scale](const char* name) -> QTestData& {
        return QTest::addRow("%s, scale %d", name, scale) << scale;
      };
      row("raised, outer top") << false << QPoint(10, 0) << light;
      row("raised, outer left") << false << QPoint(0, 10) << light;
      row("raised, outer bottom") << false << QPoint(10, 19) << dark;
      row("raised, outer right") << false << QPoint(29, 10) << dark;
      row("raised, bottom-left corner") << false << QPoint(0, 19) << dark;
      row("raised, inner bottom") << false << QPoint(10, 18) << shadow;
      row("raised, inner right") << false << QPoint(28, 10) << shadow;
      row("raised, face inside") << false << QPoint(27, 17) << face;
      row("sunken, outer top") << true << QPoint(10, 0) << dark;
      row("sunken, inner top") << true << QPoint(10, 1) << shadow;
      row("sunken, outer bottom") << true << QPoint(10, 19) << light;
      row("sunken, outer right") << true << QPoint(29, 10) << light;
    }
  }

  void EdgeReachesTheKeysBorder() {
    QFETCH(int, scale);
    QFETCH(bool, sunken);
    QFETCH(QPoint, probe);
    QFETCH(QColor, expected);
    QImage key(30 * scale, 20 * scale, QImage::Format_RGB32);
    key.setDevicePixelRatio(scale);
    key.fill(QColor(255, 255, 192));
    {
      QPainter painter(&key);
      DrawBevel(painter, QRect(0, 0, 30, 20), sunken);
    }
    for (int dy = 0; dy < scale; ++dy) {
      for (int dx = 0; dx < scale; ++dx) {
        QCOMPARE(key.pixelColor(probe * scale + QPoint(dx, dy)), expected);
      }
    }
  }
};

}  // namespace cinta

QTEST_MAIN(cinta::BevelTest)
#include "BevelTest.moc"
