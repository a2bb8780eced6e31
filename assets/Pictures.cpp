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

}  // namespace

QString PicturePath(PictureId id) {
  return QStringLiteral(":/pictures/") + FileName(id);
}

QString PicturePath2x(PictureId id) {
  QString path = PicturePath(id);
  return path.insert(path.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
}

QPixmap Picture(PictureId id, qreal devicePixelRatio) {
  if (devicePixelRatio <= 1.0) return QPixmap(PicturePath(id));
  // QPixmap(path) goes through QPixmapCache, so every caller shares one copy of the pixels.
  QPixmap twin(PicturePath2x(id));
  twin.setDevicePixelRatio(kTwinRatio);
  return twin;
}

QPixmap Picture(PictureId id) {
  return Picture(id, qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0);
}

std::future<QImage> DecodePictureInBackground(PictureId id, qreal devicePixelRatio) {
  const bool twin = devicePixelRatio > 1.0;
  const QString path = twin ? PicturePath2x(id) : PicturePath(id);
  return std::async(std::launch::async, [path, twin] {
    QImage image(path);
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                            : QImage::Format_RGB32);
    if (twin) image.setDevicePixelRatio(kTwinRatio);
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
