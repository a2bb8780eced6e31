// SPDX-License-Identifier: MIT
#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QtEndian>
#include <QtTest>

#include "assets/Pictures.h"

namespace cinta {
namespace {

QString FileName(PictureId id) {
  const std::string_view file = CatalogEntry(id).fileName;
  return QString::fromLatin1(file.data(), static_cast<qsizetype>(file.size()));
}

// The committed file a picture is embedded from, at scale 1 or as its 2x twin.
QString SourcePath(PictureId id, int scale) {
  QString path = QStringLiteral(CINTA_PICTURES_DIR "/") + FileName(id);
  if (scale == 2) path.insert(path.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
  return path;
}

QImage ComparableImage(const QImage& image) {
  return image.convertToFormat(QImage::Format_ARGB32);
}

// Bits per pixel from the BMP file header (offset 28, little-endian).
int BmpBitCount(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QByteArray header = file.read(30);
  if (header.size() < 30 || !header.startsWith("BM")) return -1;
  return qFromLittleEndian<quint16>(header.constData() + 28);
}

// A failed drawing leaves nothing but the background: a single colour.
bool HasDrawing(const QImage& image) {
  const QRgb first = image.pixel(0, 0);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != first) return true;
    }
  }
  return false;
}

// The box around the dark pixels (the symbol's ink) of an image.
QRect InkBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 128) box = box.united(QRect(x, y, 1, 1));
    }
  }
  return box;
}

}  // namespace

class PicturesTest : public QObject {
  Q_OBJECT

 private slots:
  void ShippedFileHasTheCatalogFormatAndSize_data();
  void ShippedFileHasTheCatalogFormatAndSize();
  void PictureShowsItsShippedFileAtEveryRatio_data();
  void PictureShowsItsShippedFileAtEveryRatio();
  void EveryPictureIsDistinct();
  void IconHoldsBothSizes();
  void OperatorSymbolIsBlackAndCentredOnWhite_data();
  void OperatorSymbolIsBlackAndCentredOnWhite();
};

// The generator draws each file from its catalog row: a row changed without drawing the files
// again, or a file replaced by hand, no longer matches.
void PicturesTest::ShippedFileHasTheCatalogFormatAndSize_data() {
  QTest::addColumn<int>("idNumber");
  for (const PictureEntry& entry : kPictureCatalog) {
    QTest::newRow(qPrintable(FileName(entry.id))) << static_cast<int>(entry.id);
  }
}

void PicturesTest::ShippedFileHasTheCatalogFormatAndSize() {
  QFETCH(int, idNumber);
  const auto id = static_cast<PictureId>(idNumber);
  const PictureEntry& entry = CatalogEntry(id);
  const QByteArray format(entry.format.data(), static_cast<qsizetype>(entry.format.size()));
  for (const int scale : {1, 2}) {
    const QString path = SourcePath(id, scale);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    QImageReader reader(path);
    QCOMPARE(reader.format(), format);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(path + QStringLiteral(": ") + reader.errorString()));
    QCOMPARE(image.size(), QSize(entry.width, entry.height) * scale);
    QVERIFY2(HasDrawing(image), qPrintable(path + QStringLiteral(" is one flat colour")));
    if (format == "bmp") QCOMPARE(BmpBitCount(path), 24);
  }
}

void PicturesTest::PictureShowsItsShippedFileAtEveryRatio_data() {
  QTest::addColumn<int>("idNumber");
  QTest::addColumn<qreal>("screenRatio");
  QTest::addColumn<int>("twin");
  for (const PictureEntry& entry : kPictureCatalog) {
    const QByteArray name = FileName(entry.id).toLatin1();
    const int id = static_cast<int>(entry.id);
    QTest::newRow(name + " on 1x screen") << id << 1.0 << 1;
    QTest::newRow(name + " on 1.5x screen") << id << 1.5 << 2;
    QTest::newRow(name + " on 2x screen") << id << 2.0 << 2;
  }
}

// What a window shows is embedded at build time: the pixels of the shipped file, or of its 2x
// twin above a ratio of 1, at the logical size of the 1x file either way.
void PicturesTest::PictureShowsItsShippedFileAtEveryRatio() {
  QFETCH(int, idNumber);
  QFETCH(qreal, screenRatio);
  QFETCH(int, twin);
  const auto id = static_cast<PictureId>(idNumber);
  const QImage shipped(SourcePath(id, twin));
  QVERIFY(!shipped.isNull());
  const QSizeF logical(QImageReader(SourcePath(id, 1)).size());

  const QPixmap picture = Picture(id, screenRatio);
  QVERIFY(!picture.isNull());
  QCOMPARE(picture.devicePixelRatio(), qreal(twin));
  QCOMPARE(picture.deviceIndependentSize(), logical);
  QCOMPARE(ComparableImage(picture.toImage()), ComparableImage(shipped));

  // Decoded on another thread while a window is built: the same pixels at the same ratio.
  const QImage decoded = DecodePictureInBackground(id, screenRatio).get();
  QCOMPARE(decoded.devicePixelRatio(), qreal(twin));
  QCOMPARE(ComparableImage(decoded), ComparableImage(shipped));

  // Without a ratio the application's screen decides; this test runs at 1x and at 2x.
  const QPixmap byDefault = Picture(id);
  QCOMPARE(byDefault.devicePixelRatio(), qApp->devicePixelRatio() > 1.0 ? 2.0 : 1.0);
  QCOMPARE(byDefault.deviceIndependentSize(), logical);
}

// No two pictures are alike: two catalog rows naming one file, or the generator drawing two
// pictures the same, would put one face on two keys.
void PicturesTest::EveryPictureIsDistinct() {
  QList<QImage> images;
  for (const PictureEntry& entry : kPictureCatalog) {
    images << ComparableImage(Picture(entry.id, 1.0).toImage());
  }
  for (int i = 0; i < images.size(); ++i) {
    for (int j = i + 1; j < images.size(); ++j) {
      QVERIFY2(images[i] != images[j],
               qPrintable(FileName(static_cast<PictureId>(i)) + QStringLiteral(" and ") +
                          FileName(static_cast<PictureId>(j))));
    }
  }
}

void PicturesTest::IconHoldsBothSizes() {
  const QIcon icon = PictureIcon(PictureId::Icon);
  const QPixmap sharp = icon.pixmap(QSize(32, 32), 2.0);
  QCOMPARE(sharp.size(), QSize(64, 64));
  // The drawn twin, not the 32 x 32 picture scaled up.
  QCOMPARE(ComparableImage(sharp.toImage()),
           ComparableImage(QImage(SourcePath(PictureId::Icon, 2))));
  QCOMPARE(icon.pixmap(QSize(32, 32), 1.0).size(), QSize(32, 32));
}

void PicturesTest::OperatorSymbolIsBlackAndCentredOnWhite_data() {
  QTest::addColumn<QString>("path");
  for (int code = 0; code < kOperatorPictureCount; ++code) {
    for (const PictureId id : {OperatorKeyPicture(code), OperatorSmallPicture(code)}) {
      for (const int scale : {1, 2}) {
        const QString path = SourcePath(id, scale);
        QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
      }
    }
  }
}

void PicturesTest::OperatorSymbolIsBlackAndCentredOnWhite() {
  QFETCH(QString, path);
  const QImage image(path);
  QVERIFY(!image.isNull());
  for (const QPoint corner : {QPoint(0, 0), QPoint(image.width() - 1, image.height() - 1)}) {
    QCOMPARE(image.pixelColor(corner), QColor(Qt::white));
  }
  const QRect ink = InkBox(image);
  QVERIFY2(!ink.isEmpty(), "no black symbol");
  QVERIFY2(QRect(QPoint(1, 1), image.size() - QSize(2, 2)).contains(ink), "symbol touches edge");
  // Centred to the pixel: the margins on opposite sides differ by at most two pixels.
  const int left = ink.left();
  const int right = image.width() - 1 - ink.right();
  const int top = ink.top();
  const int bottom = image.height() - 1 - ink.bottom();
  QVERIFY2(qAbs(left - right) <= 2,
           qPrintable(QStringLiteral("left %1, right %2").arg(left).arg(right)));
  QVERIFY2(qAbs(top - bottom) <= 2,
           qPrintable(QStringLiteral("top %1, bottom %2").arg(top).arg(bottom)));
}

}  // namespace cinta

QTEST_MAIN(cinta::PicturesTest)
#include "PicturesTest.moc"
