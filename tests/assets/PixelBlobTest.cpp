// SPDX-License-Identifier: MIT
#include <QtTest>
#include <cstdint>
#include <cstring>

#include "assets/PixelBlob.h"

namespace cinta {
namespace {

// A picture with a different colour at every pixel, so that a swapped or shifted row shows.
QImage Gradient(int width, int height, QImage::Format format) {
  QImage image(width, height, QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.setPixel(x, y, qRgba(x * 7 % 256, y * 13 % 256, (x + y) % 256, 255 - (x % 3) * 60));
    }
  }
  return image.convertToFormat(format);
}

QByteArray ValidBlob() {
  return EncodePixelBlob(Gradient(5, 3, QImage::Format_RGB32));
}

void PutWord(QByteArray& blob, int offset, std::uint32_t value) {
  std::memcpy(blob.data() + offset, &value, sizeof value);
}

}  // namespace

class PixelBlobTest : public QObject {
  Q_OBJECT

 private slots:
  void KeepsEveryPixel_data() {
    QTest::addColumn<QImage>("original");
    QTest::addColumn<QImage::Format>("stored");
    QTest::newRow("opaque") << Gradient(69, 66, QImage::Format_RGB32) << QImage::Format_RGB32;
    QTest::newRow("with transparency")
        << Gradient(38, 38, QImage::Format_ARGB32) << QImage::Format_ARGB32_Premultiplied;
    QTest::newRow("24-bit rows with padding")
        << Gradient(67, 65, QImage::Format_RGB888) << QImage::Format_RGB32;
    QTest::newRow("indexed, as a GIF decodes")
        << Gradient(45, 44, QImage::Format_RGB32).convertToFormat(QImage::Format_Indexed8)
        << QImage::Format_RGB32;
    QTest::newRow("one pixel") << Gradient(1, 1, QImage::Format_RGB32) << QImage::Format_RGB32;
  }

  void KeepsEveryPixel() {
    QFETCH(QImage, original);
    QFETCH(QImage::Format, stored);
    const QByteArray blob = EncodePixelBlob(original);
    QCOMPARE(blob.size(), 16 + original.width() * original.height() * 4);
    const QImage decoded = DecodePixelBlob(blob);
    QCOMPARE(decoded.format(), stored);
    // Premultiplied, as the screen draws it: half-transparent pixels keep what is drawn of them.
    QCOMPARE(decoded.convertToFormat(QImage::Format_ARGB32_Premultiplied),
             original.convertToFormat(QImage::Format_ARGB32_Premultiplied));
  }

  void RefusesDamagedBlobs_data() {
    QTest::addColumn<QByteArray>("blob");
    const QByteArray valid = ValidBlob();
    QByteArray badMagic = valid;
    badMagic[0] = 'X';
    QByteArray zeroWidth = valid;
    PutWord(zeroWidth, 4, 0);
    QByteArray wider = valid;
    PutWord(wider, 4, 6);
    QByteArray huge = valid;
    PutWord(huge, 4, 0xFFFFFFFF);
    PutWord(huge, 8, 0xFFFFFFFF);
    QByteArray indexed = valid;
    PutWord(indexed, 12, QImage::Format_Indexed8);
    QByteArray unknownFormat = valid;
    PutWord(unknownFormat, 12, 0x7FFFFFFF);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("header cut short") << valid.left(15);
    QTest::newRow("last row cut short") << valid.chopped(1);
    QTest::newRow("bytes after the last row") << valid + QByteArray(1, '\0');
    QTest::newRow("not a blob") << badMagic;
    QTest::newRow("zero width") << zeroWidth;
    QTest::newRow("header wider than the pixels") << wider;
    QTest::newRow("sides of four billion") << huge;
    QTest::newRow("format of one byte a pixel") << indexed;
    QTest::newRow("unknown format") << unknownFormat;
  }

  void RefusesDamagedBlobs() {
    QFETCH(QByteArray, blob);
    QVERIFY(DecodePixelBlob(blob).isNull());
  }
};

}  // namespace cinta

QTEST_MAIN(cinta::PixelBlobTest)
#include "PixelBlobTest.moc"
