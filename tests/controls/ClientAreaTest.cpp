// SPDX-License-Identifier: MIT
#include <QImage>
#include <QPixmap>
#include <QtTest>

#include "controls/ClientArea.h"
#include "controls/Twips.h"

namespace cinta {

class ClientAreaTest : public QObject {
  Q_OBJECT

 private slots:
  void DrawsBackgroundOverBackColour_data() {
    QTest::addColumn<QSize>("pictureSize");
    QTest::addColumn<QColor>("pictureColour");
    QTest::addColumn<QPoint>("probe");
    QTest::addColumn<QColor>("expected");
    const QColor back(255, 192, 128);
    const QColor blue(0, 0, 255);
    QTest::newRow("no picture") << QSize() << QColor() << QPoint(5, 5) << back;
    QTest::newRow("larger picture") << QSize(40, 30) << blue << QPoint(29, 19) << blue;
    QTest::newRow("smaller picture, inside") << QSize(10, 10) << blue << QPoint(9, 9) << blue;
    QTest::newRow("smaller picture, beside") << QSize(10, 10) << blue << QPoint(10, 5) << back;
    QTest::newRow("smaller picture, below") << QSize(10, 10) << blue << QPoint(5, 10) << back;
    QTest::newRow("transparent picture")
        << QSize(40, 30) << QColor(Qt::transparent) << QPoint(5, 5) << back;
  }

  void DrawsBackgroundOverBackColour() {
    QFETCH(QSize, pictureSize);
    QFETCH(QColor, pictureColour);
    QFETCH(QPoint, probe);
    QFETCH(QColor, expected);
    QPixmap picture;
    if (pictureSize.isValid()) {
      QImage image(pictureSize, QImage::Format_ARGB32_Premultiplied);
      image.fill(pictureColour);
      picture = QPixmap::fromImage(image);
    }
    QWidget window;
    // 30 x 20 pixels of client area.
    ClientArea* client = SetUpThinFramedWindow(&window, 30 * kTwipsPerPixel, 20 * kTwipsPerPixel,
                                               QColor(255, 192, 128), QPixmap());
    client->SetBackground(picture);
    const QImage drawn = client->grab().toImage();
    QCOMPARE(drawn.size(), QSize(30, 20));
    QCOMPARE(drawn.pixelColor(probe), expected);
  }
};

}  // namespace cinta

QTEST_MAIN(cinta::ClientAreaTest)
#include "ClientAreaTest.moc"
