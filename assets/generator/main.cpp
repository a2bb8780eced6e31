// SPDX-License-Identifier: MIT
// Draws every picture of the two windows, at its designed size and at twice that size, into the
// folder given as the only argument. Run through scripts/draw-pictures.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include "assets/PictureCatalog.h"
#include "assets/generator/Painters.h"
#include "assets/generator/PictureWriter.h"

namespace {

using cinta::PictureEntry;

QString TwinName(const QString& fileName, int scale) {
  if (scale == 1) return fileName;
  QString name = fileName;
  return name.insert(name.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(scale));
}

QImage Render(const PictureEntry& entry, int scale) {
  QImage image(entry.width * scale, entry.height * scale, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
  painter.scale(scale, scale);
  cinta::DrawPicture(entry.id, painter, QSizeF(entry.width, entry.height));
  return image;
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  QTextStream err(stderr);
  if (argc != 2) {
    err << "usage: draw_pictures OUTPUT_FOLDER\n";
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.exists() && !QDir().mkpath(folder.path())) {
    err << "cannot create " << folder.path() << '\n';
    return 1;
  }
  int failures = 0;
  for (const PictureEntry& entry : cinta::kPictureCatalog) {
    const QString fileName =
        QString::fromLatin1(entry.fileName.data(), static_cast<qsizetype>(entry.fileName.size()));
    for (const int scale : {1, 2}) {
      const QString path = folder.filePath(TwinName(fileName, scale));
      const QString error = cinta::WritePicture(Render(entry, scale), entry.format, path);
      if (!error.isEmpty()) {
        err << path << ": " << error << '\n';
        ++failures;
      }
    }
  }
  return failures == 0 ? 0 : 1;
}
