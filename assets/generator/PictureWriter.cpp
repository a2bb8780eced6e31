// SPDX-License-Identifier: MIT
#include "assets/generator/PictureWriter.h"

#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

namespace cinta {

namespace {

constexpr int kJpegQuality = 92;
// GIF keeps only fully transparent or opaque pixels: fainter edge pixels become transparent,
// the rest are blended over white, the face most of these pictures sit on.
constexpr int kGifOpaqueFrom = 96;

QImage Opaque(const QImage& image) {
  QImage opaque(image.size(), QImage::Format_RGB32);
  opaque.fill(Qt::white);
  QPainter painter(&opaque);
  painter.drawImage(0, 0, image);
  return opaque;
}

QImage BinaryAlpha(const QImage& image) {
  QImage result = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < result.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < result.width(); ++x) {
      const int alpha = qAlpha(line[x]);
      if (alpha < kGifOpaqueFrom) {
        line[x] = qRgba(255, 255, 255, 0);
        continue;
      }
      const auto blend = [alpha](int channel) {
        return (channel * alpha + 255 * (255 - alpha)) / 255;
      };
      line[x] = qRgb(blend(qRed(line[x])), blend(qGreen(line[x])), blend(qBlue(line[x])));
    }
  }
  return result;
}

QString WriteWithQt(const QImage& image, const QByteArray& format, const QString& path) {
  QImageWriter writer(path, format);
  if (format == "jpeg") writer.setQuality(kJpegQuality);
  // Qt writes opaque 32-bit images as 24-bit BMP, which is what the keys expect.
  if (!writer.write(Opaque(image))) return writer.errorString();
  return {};
}

QString WriteWithConvert(const QImage& image, const QString& format, const QString& path) {
  QTemporaryDir temporary;
  if (!temporary.isValid()) return QStringLiteral("no temporary folder");
  const QString png = temporary.filePath(QStringLiteral("picture.png"));
  const QImage prepared = format == QLatin1String("gif") ? BinaryAlpha(image) : image;
  if (!prepared.save(png, "png")) return QStringLiteral("cannot write ") + png;
  QProcess convert;
  convert.start(QStringLiteral("convert"), {png, format.toUpper() + QLatin1Char(':') + path});
  if (!convert.waitForFinished() || convert.exitStatus() != QProcess::NormalExit ||
      convert.exitCode() != 0) {
    return QStringLiteral("convert failed: ") +
           QString::fromLocal8Bit(convert.readAllStandardError()) + convert.errorString();
  }
  return {};
}

}  // namespace

QString WritePicture(const QImage& image, std::string_view format, const QString& path) {
  const QByteArray name(format.data(), static_cast<qsizetype>(format.size()));
  if (name == "bmp" || name == "jpeg") return WriteWithQt(image, name, path);
  if (name == "gif" || name == "ico")
    return WriteWithConvert(image, QString::fromLatin1(name), path);
  return QStringLiteral("unknown format ") + QString::fromLatin1(name);
}

}  // namespace cinta
