// SPDX-License-Identifier: MIT
#include <QColor>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QSet>
#include <QtEndian>
#include <QtTest>
#include <iterator>

#include "assets/Pictures.h"

namespace cinta {
namespace {

// The pictures the two windows use, with the format and size in pixels the window layouts give
// (width x height). Written out here rather than read from the catalog, so that a wrong
// catalog row cannot vouch for itself.
struct ExpectedPicture {
  const char* name;
  PictureId id;
  const char* file;
  const char* format;
  int width;
  int height;
};

const ExpectedPicture kExpected[] = {
    {"digit 0", DigitPicture(0), "digit-0.bmp", "bmp", 69, 66},
    {"digit 1", DigitPicture(1), "digit-1.bmp", "bmp", 67, 65},
    {"digit 2", DigitPicture(2), "digit-2.bmp", "bmp", 67, 66},
    {"digit 3", DigitPicture(3), "digit-3.bmp", "bmp", 68, 66},
    {"digit 4", DigitPicture(4), "digit-4.bmp", "bmp", 66, 66},
    {"digit 5", DigitPicture(5), "digit-5.bmp", "bmp", 66, 67},
    {"digit 6", DigitPicture(6), "digit-6.bmp", "bmp", 66, 65},
    {"digit 7", DigitPicture(7), "digit-7.bmp", "bmp", 66, 65},
    {"digit 8", DigitPicture(8), "digit-8.bmp", "bmp", 66, 65},
    {"digit 9", DigitPicture(9), "digit-9.bmp", "bmp", 66, 68},
    {"key add", OperatorKeyPicture(0), "operator-key-0-add.gif", "gif", 44, 44},
    {"key subtract", OperatorKeyPicture(1), "operator-key-1-subtract.gif", "gif", 45, 44},
    {"key multiply", OperatorKeyPicture(2), "operator-key-2-multiply.gif", "gif", 47, 49},
    {"key divide", OperatorKeyPicture(3), "operator-key-3-divide.gif", "gif", 45, 44},
    {"key power", OperatorKeyPicture(4), "operator-key-4-power.gif", "gif", 42, 45},
    {"key percent", OperatorKeyPicture(5), "operator-key-5-percent.gif", "gif", 48, 56},
    {"key square root", OperatorKeyPicture(6), "operator-key-6-square-root.gif", "gif", 45, 51},
    {"key reciprocal", OperatorKeyPicture(7), "operator-key-7-reciprocal.gif", "gif", 48, 60},
    {"key root", OperatorKeyPicture(8), "operator-key-8-root.gif", "gif", 45, 49},
    {"key remainder", OperatorKeyPicture(9), "operator-key-9-remainder.gif", "gif", 45, 44},
    {"key integer quotient", OperatorKeyPicture(10), "operator-key-10-integer-quotient.gif", "gif",
     45, 44},
    {"key factorial", OperatorKeyPicture(11), "operator-key-11-factorial.gif", "gif", 42, 45},
    {"small add", OperatorSmallPicture(0), "operator-small-0-add.gif", "gif", 22, 24},
    {"small subtract", OperatorSmallPicture(1), "operator-small-1-subtract.gif", "gif", 24, 26},
    {"small multiply", OperatorSmallPicture(2), "operator-small-2-multiply.gif", "gif", 22, 24},
    {"small divide", OperatorSmallPicture(3), "operator-small-3-divide.gif", "gif", 23, 24},
    {"small power", OperatorSmallPicture(4), "operator-small-4-power.gif", "gif", 23, 23},
    {"small percent", OperatorSmallPicture(5), "operator-small-5-percent.gif", "gif", 24, 26},
    {"small square root", OperatorSmallPicture(6), "operator-small-6-square-root.gif", "gif", 23,
     24},
    {"small reciprocal", OperatorSmallPicture(7), "operator-small-7-reciprocal.gif", "gif", 24, 26},
    {"small root", OperatorSmallPicture(8), "operator-small-8-root.gif", "gif", 23, 24},
    {"small remainder", OperatorSmallPicture(9), "operator-small-9-remainder.gif", "gif", 28, 26},
    {"small integer quotient", OperatorSmallPicture(10), "operator-small-10-integer-quotient.gif",
     "gif", 28, 25},
    {"small factorial", OperatorSmallPicture(11), "operator-small-11-factorial.gif", "gif", 23, 23},
    {"camera", PictureId::Camera, "camera.gif", "gif", 38, 38},
    {"clear entry", PictureId::ClearEntry, "clear-entry.bmp", "bmp", 53, 52},
    {"clear", PictureId::Clear, "clear.bmp", "bmp", 54, 53},
    {"backspace", PictureId::Backspace, "backspace.bmp", "bmp", 48, 49},
    {"close", PictureId::Close, "close.jpg", "jpeg", 67, 67},
    {"edit view", PictureId::EditView, "column-sum.gif", "gif", 36, 36},
    {"eraser", PictureId::Eraser, "eraser.bmp", "bmp", 89, 46},
    {"scroll up", PictureId::ScrollUp, "scroll-up.gif", "gif", 32, 129},
    {"scroll down", PictureId::ScrollDown, "scroll-down.gif", "gif", 32, 129},
    {"about", PictureId::About, "about.bmp", "bmp", 47, 46},
    {"background", PictureId::Background, "background.jpg", "jpeg", 900, 562},
    {"icon", PictureId::Icon, "icon.ico", "ico", 32, 32},
    {"printer", PictureId::Printer, "printer.bmp", "bmp", 52, 48},
    {"notepad", PictureId::Notepad, "notepad.bmp", "bmp", 52, 48},
    {"font size", PictureId::FontSize, "font-size.gif", "gif", 49, 46},
    {"clipboard", PictureId::Clipboard, "clipboard.bmp", "bmp", 40, 44},
};

// The committed file a picture is embedded from, at scale 1 or as its 2x twin.
QString SourcePath(const char* file, int scale) {
  QString path = QStringLiteral(CINTA_PICTURES_DIR "/") + QString::fromLatin1(file);
  if (scale == 2) path.insert(path.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
  return path;
}

// Bits per pixel from the BMP file header (offset 28, little-endian).
int BmpBitCount(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QByteArray header = file.read(30);
  if (header.size() < 30 || !header.startsWith("BM")) return -1;
  return qFromLittleEndian<quint16>(header.constData() + 28);
}

bool ColoursClose(QColor actual, QColor expected, int tolerance) {
  return qAbs(actual.red() - expected.red()) <= tolerance &&
         qAbs(actual.green() - expected.green()) <= tolerance &&
         qAbs(actual.blue() - expected.blue()) <= tolerance &&
         qAbs(actual.alpha() - expected.alpha()) <= tolerance;
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
  void tableNamesEveryPictureOnce();
  void fileHasTableFormatAndSize_data();
  void fileHasTableFormatAndSize();
  void pictureKeepsTableSizeAtEveryRatio_data();
  void pictureKeepsTableSizeAtEveryRatio();
  void iconHoldsBothSizes();
  void operatorSymbolIsBlackAndCentredOnWhite_data();
  void operatorSymbolIsBlackAndCentredOnWhite();
  void marginMatchesTheKeyFace_data();
  void marginMatchesTheKeyFace();
  void aboutCornersContinueTheBackground_data();
  void aboutCornersContinueTheBackground();
};

void PicturesTest::tableNamesEveryPictureOnce() {
  QSet<int> ids;
  for (const ExpectedPicture& expected : kExpected) ids.insert(static_cast<int>(expected.id));
  QCOMPARE(ids.size(), kPictureCount);
  QCOMPARE(static_cast<int>(std::size(kExpected)), kPictureCount);
}

void PicturesTest::fileHasTableFormatAndSize_data() {
  QTest::addColumn<int>("row");
  for (int row = 0; row < static_cast<int>(std::size(kExpected)); ++row) {
    QTest::newRow(kExpected[row].name) << row;
  }
}

void PicturesTest::fileHasTableFormatAndSize() {
  QFETCH(int, row);
  const ExpectedPicture& expected = kExpected[row];
  const PictureEntry& entry = CatalogEntry(expected.id);
  QCOMPARE(QByteArray(entry.fileName.data(), entry.fileName.size()), QByteArray(expected.file));
  QCOMPARE(QSize(entry.width, entry.height), QSize(expected.width, expected.height));
  QCOMPARE(QByteArray(entry.format.data(), entry.format.size()), QByteArray(expected.format));

  for (const int scale : {1, 2}) {
    const QString path = SourcePath(expected.file, scale);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray(expected.format));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(path + QStringLiteral(": ") + reader.errorString()));
    QCOMPARE(image.size(), QSize(expected.width * scale, expected.height * scale));
    QVERIFY2(HasDrawing(image), qPrintable(path + QStringLiteral(" is one flat colour")));
    if (QByteArray(expected.format) == "bmp") QCOMPARE(BmpBitCount(path), 24);

    // What the program shows is embedded at build time from this file: the same pixels.
    QCOMPARE(Picture(expected.id, scale).toImage().convertToFormat(QImage::Format_ARGB32),
             image.convertToFormat(QImage::Format_ARGB32));
  }
}

void PicturesTest::pictureKeepsTableSizeAtEveryRatio_data() {
  QTest::addColumn<int>("row");
  QTest::addColumn<qreal>("screenRatio");
  QTest::addColumn<qreal>("pictureRatio");
  for (int row = 0; row < static_cast<int>(std::size(kExpected)); ++row) {
    const QByteArray name(kExpected[row].name);
    QTest::newRow(name + " on 1x screen") << row << 1.0 << 1.0;
    QTest::newRow(name + " on 1.5x screen") << row << 1.5 << 2.0;
    QTest::newRow(name + " on 2x screen") << row << 2.0 << 2.0;
  }
}

void PicturesTest::pictureKeepsTableSizeAtEveryRatio() {
  QFETCH(int, row);
  QFETCH(qreal, screenRatio);
  QFETCH(qreal, pictureRatio);
  const ExpectedPicture& expected = kExpected[row];
  const QSize logical(expected.width, expected.height);

  const QPixmap picture = Picture(expected.id, screenRatio);
  QVERIFY(!picture.isNull());
  QCOMPARE(picture.devicePixelRatio(), pictureRatio);
  QCOMPARE(picture.deviceIndependentSize(), QSizeF(logical));
  QCOMPARE(picture.size(), logical * pictureRatio);

  // Decoded on another thread while a window is built: the same pixels at the same ratio.
  const QImage decoded = DecodePictureInBackground(expected.id, screenRatio).get();
  QCOMPARE(decoded.devicePixelRatio(), pictureRatio);
  QCOMPARE(decoded.convertToFormat(QImage::Format_ARGB32),
           picture.toImage().convertToFormat(QImage::Format_ARGB32));

  // Without a ratio the application's screen decides; this test runs at 1x and at 2x.
  const qreal applicationRatio = qApp->devicePixelRatio() > 1.0 ? 2.0 : 1.0;
  const QPixmap byDefault = Picture(expected.id);
  QCOMPARE(byDefault.devicePixelRatio(), applicationRatio);
  QCOMPARE(byDefault.deviceIndependentSize(), QSizeF(logical));
}

void PicturesTest::iconHoldsBothSizes() {
  const QIcon icon = PictureIcon(PictureId::Icon);
  const QPixmap sharp = icon.pixmap(QSize(32, 32), 2.0);
  QCOMPARE(sharp.size(), QSize(64, 64));
  // The drawn twin, not the 32 x 32 picture scaled up.
  QCOMPARE(sharp.toImage().convertToFormat(QImage::Format_ARGB32),
           QImage(SourcePath("icon.ico", 2)).convertToFormat(QImage::Format_ARGB32));
  QCOMPARE(icon.pixmap(QSize(32, 32), 1.0).size(), QSize(32, 32));
}

void PicturesTest::operatorSymbolIsBlackAndCentredOnWhite_data() {
  QTest::addColumn<QString>("path");
  for (const ExpectedPicture& expected : kExpected) {
    if (!QByteArray(expected.file).contains("operator-")) continue;
    QTest::newRow(expected.name) << SourcePath(expected.file, 1);
    QTest::newRow(QByteArray(expected.name) + " @2x") << SourcePath(expected.file, 2);
  }
}

void PicturesTest::operatorSymbolIsBlackAndCentredOnWhite() {
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

void PicturesTest::marginMatchesTheKeyFace_data() {
  QTest::addColumn<int>("idNumber");
  QTest::addColumn<QColor>("face");
  for (int digit = 0; digit < kDigitCount; ++digit) {
    QTest::addRow("digit %d on the digit key", digit)
        << static_cast<int>(DigitPicture(digit)) << QColor(192, 255, 192);
  }
  QTest::newRow("clear entry") << static_cast<int>(PictureId::ClearEntry) << QColor(255, 128, 128);
  QTest::newRow("clear") << static_cast<int>(PictureId::Clear) << QColor(255, 0, 0);
  QTest::newRow("backspace") << static_cast<int>(PictureId::Backspace) << QColor(255, 128, 128);
  QTest::newRow("close") << static_cast<int>(PictureId::Close) << QColor(255, 255, 255);
  QTest::newRow("edit view") << static_cast<int>(PictureId::EditView) << QColor(255, 255, 192);
  QTest::newRow("eraser") << static_cast<int>(PictureId::Eraser) << QColor(255, 255, 255);
  QTest::newRow("scroll up") << static_cast<int>(PictureId::ScrollUp) << QColor(0, 255, 0);
  QTest::newRow("scroll down") << static_cast<int>(PictureId::ScrollDown) << QColor(255, 255, 0);
  QTest::newRow("printer") << static_cast<int>(PictureId::Printer) << QColor(192, 255, 255);
  QTest::newRow("notepad") << static_cast<int>(PictureId::Notepad) << QColor(255, 192, 255);
  QTest::newRow("font size") << static_cast<int>(PictureId::FontSize) << QColor(255, 255, 192);
  QTest::newRow("clipboard") << static_cast<int>(PictureId::Clipboard) << QColor(255, 224, 192);
  // The save key has a white face in one window and a green one in the other.
  QTest::newRow("camera on any face")
      << static_cast<int>(PictureId::Camera) << QColor(Qt::transparent);
  QTest::newRow("icon on any desktop")
      << static_cast<int>(PictureId::Icon) << QColor(Qt::transparent);
}

void PicturesTest::marginMatchesTheKeyFace() {
  QFETCH(int, idNumber);
  QFETCH(QColor, face);
  const auto id = static_cast<PictureId>(idNumber);
  // JPEG blurs colours a little.
  const int tolerance = CatalogEntry(id).format == "jpeg" ? 12 : 0;
  for (const qreal scale : {1.0, 2.0}) {
    const QImage image = Picture(id, scale).toImage().convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!image.isNull());
    const QPoint corners[] = {{0, 0},
                              {image.width() - 1, 0},
                              {0, image.height() - 1},
                              {image.width() - 1, image.height() - 1}};
    for (const QPoint corner : corners) {
      QColor actual = image.pixelColor(corner);
      if (face.alpha() == 0 && actual.alpha() == 0) actual = face;
      QVERIFY2(ColoursClose(actual, face, tolerance),
               qPrintable(QStringLiteral("%1 at %2x, (%3, %4) is %5")
                              .arg(QLatin1StringView(CatalogEntry(id).fileName))
                              .arg(scale)
                              .arg(corner.x())
                              .arg(corner.y())
                              .arg(actual.name(QColor::HexArgb))));
    }
  }
}

void PicturesTest::aboutCornersContinueTheBackground_data() {
  QTest::addColumn<qreal>("scale");
  QTest::newRow("1x") << 1.0;
  QTest::newRow("2x") << 2.0;
}

void PicturesTest::aboutCornersContinueTheBackground() {
  QFETCH(qreal, scale);
  // The about image lies on the window at (768, 496) pixels, straight over the background.
  const QImage about = Picture(PictureId::About, scale).toImage();
  const QImage background = Picture(PictureId::Background, scale).toImage();
  const QPoint origin = QPoint(768, 496) * scale;
  for (const QPoint corner : {QPoint(0, 0), QPoint(about.width() - 1, about.height() - 1)}) {
    QVERIFY(ColoursClose(about.pixelColor(corner), background.pixelColor(origin + corner), 12));
  }
}

}  // namespace cinta

QTEST_MAIN(cinta::PicturesTest)
#include "PicturesTest.moc"
