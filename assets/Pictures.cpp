// SPDX-License-Identifier: MIT
#include "assets/Pictures.h"

#include <QGuiApplication>
#include <QPixmapCache>
#include <QResource>

#include "assets/PixelBlob.h"

namespace cinta {

namespace {

constexpr qreal kTwinRatio = 2.0;

// The background is a photograph: as raw pixels it would compress to ten times its JPEG, so it
// stays a JPEG, decoded once on its own thread. Every other picture is embedded as pixels,
// which start-up copies instead of decoding (see assets/CMakeLists.txt).
bool EmbeddedAsFile(PictureId id) {
  return id == PictureId::Background;
}

// The resource holding the picture at `scale` 1 or 2: ":/pictures/<file>" for a file,
// ":/pixels/<file without extension>" for pixels; the twin adds "@2x" before the extension.
QString ResourcePath(PictureId id, int scale) {
  const std::string_view fileName = CatalogEntry(id).fileName;
  const std::string_view stem = fileName.substr(0, fileName.rfind('.'));
  const std::string_view extension = fileName.substr(stem.size());
  QString path = EmbeddedAsFile(id) ? QStringLiteral(":/pictures/") : QStringLiteral(":/pixels/");
  path += QLatin1StringView(stem.data(), static_cast<qsizetype>(stem.size()));
  if (scale == 2) path += QLatin1StringView("@2x");
  if (EmbeddedAsFile(id))
    path += QLatin1StringView(extension.data(), static_cast<qsizetype>(extension.size()));
  return path;
}

// Which size serves a screen of the given ratio: above 1 the twin drawn at twice the size.
int ScaleFor(qreal devicePixelRatio) {
  return devicePixelRatio <= 1.0 ? 1 : 2;
}

QImage LoadImage(PictureId id, int scale) {
  QImage image;
  if (EmbeddedAsFile(id)) {
    image.load(ResourcePath(id, scale));
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                            : QImage::Format_RGB32);
  } else {
    image = DecodePixelBlob(QResource(ResourcePath(id, scale)).uncompressedData());
  }
  image.setDevicePixelRatio(scale == 2 ? kTwinRatio : 1.0);
  return image;
}

}  // namespace

QPixmap Picture(PictureId id, qreal devicePixelRatio) {
  const int scale = ScaleFor(devicePixelRatio);
  // Shared through QPixmapCache: every key and row showing a picture holds one copy of it.
  const QString key = ResourcePath(id, scale);
  QPixmap picture;
  if (!QPixmapCache::find(key, &picture)) {
    picture = QPixmap::fromImage(LoadImage(id, scale));
    QPixmapCache::insert(key, picture);
  }
  return picture;
}

QPixmap Picture(PictureId id) {
  return Picture(id, qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0);
}

std::future<QImage> DecodePictureInBackground(PictureId id, qreal devicePixelRatio) {
  return std::async(std::launch::async,
                    [id, scale = ScaleFor(devicePixelRatio)] { return LoadImage(id, scale); });
}

QIcon PictureIcon(PictureId id) {
  QIcon icon;
  icon.addPixmap(Picture(id, 1.0));
  icon.addPixmap(Picture(id, kTwinRatio));
  return icon;
}

}  // namespace cinta
