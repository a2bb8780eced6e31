// SPDX-License-Identifier: MIT
#include "assets/Pictures.h"

#include <QGuiApplication>

namespace cinta {

namespace {

constexpr qreal kTwinRatio = 2.0;

QString FileName(PictureId id) {
  const std::string_view name = CatalogEntry(id).fileName;
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// Which file serves a screen of the given ratio, and the ratio to mark its pixels with: above 1
// the twin drawn at twice the size.
struct PictureSource {
  QString path;
  qreal ratio;
};

PictureSource SourceFor(PictureId id, qreal devicePixelRatio) {
  if (devicePixelRatio <= 1.0) return {PicturePath(id), 1.0};
  return {PicturePath2x(id), kTwinRatio};
}

}  // namespace

QString PicturePath(PictureId id) {
  return QStringLiteral(":/pictures/") + FileName(id);
}

QString PicturePath2x(PictureId id) {
  QString path = PicturePath(id);
  return path.insert(path.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
}

QPixmap Picture(PictureId id, qreal devicePixelRatio) {
  const PictureSource source = SourceFor(id, devicePixelRatio);
  // QPixmap(path) goes through QPixmapCache, so every caller shares one copy of the pixels.
  QPixmap picture(source.path);
  picture.setDevicePixelRatio(source.ratio);
  return picture;
}

QPixmap Picture(PictureId id) {
  return Picture(id, qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0);
}

std::future<QImage> DecodePictureInBackground(PictureId id, qreal devicePixelRatio) {
  return std::async(std::launch::async, [source = SourceFor(id, devicePixelRatio)] {
    QImage image(source.path);
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                            : QImage::Format_RGB32);
    image.setDevicePixelRatio(source.ratio);
    return image;
  });
}

QIcon PictureIcon(PictureId id) {
  QIcon icon;
  icon.addPixmap(Picture(id, 1.0));
  icon.addPixmap(Picture(id, kTwinRatio));
  return icon;
}

}  // namespace cinta
