// SPDX-License-Identifier: MIT
// Decodes one picture file and writes it as a pixel blob, so that the program embeds pictures
// it can show without decoding them. Run by the build: picture_pixels INPUT OUTPUT.
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QSaveFile>
#include <QTextStream>

#include "assets/PixelBlob.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QTextStream err(stderr);
  if (argc != 3) {
    err << "usage: picture_pixels INPUT OUTPUT\n";
    return 2;
  }
  const QString input = QFile::decodeName(argv[1]);
  const QString output = QFile::decodeName(argv[2]);
  QImageReader reader(input);
  const QImage image = reader.read();
  if (image.isNull()) {
    err << input << ": " << reader.errorString() << '\n';
    return 1;
  }
  QSaveFile file(output);
  if (!file.open(QIODevice::WriteOnly) || file.write(cinta::EncodePixelBlob(image)) < 0 ||
      !file.commit()) {
    err << output << ": " << file.errorString() << '\n';
    return 1;
  }
  return 0;
}
