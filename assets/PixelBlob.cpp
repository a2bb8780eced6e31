// SPDX-License-Identifier: MIT
#include "assets/PixelBlob.h"

#include <cstdint>
#include <cstring>

namespace cinta {

namespace {

constexpr char kMagic[4] = {'C', 'P', 'X', '1'};
constexpr std::size_t kHeaderSize = 16;
constexpr int kBytesPerPixel = 4;
// Far above any picture of ours; keeps a damaged header from asking for gigabytes.
constexpr std::uint32_t kMaxSide = 16384;

struct Header {
  char magic[4];
  std::uint32_t width;
  std::uint32_t height;
  std::uint32_t format;
};
static_assert(sizeof(Header) == kHeaderSize);

bool IsBlobFormat(std::uint32_t format) {
  return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied;
}

}  // namespace

QByteArray EncodePixelBlob(const QImage& image) {
  const QImage pixels = image.convertToFormat(
      image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  Header header{};
  std::memcpy(header.magic, kMagic, sizeof kMagic);
  header.width = static_cast<std::uint32_t>(pixels.width());
  header.height = static_cast<std::uint32_t>(pixels.height());
  header.format = static_cast<std::uint32_t>(pixels.format());
  const qsizetype rowBytes = qsizetype{pixels.width()} * kBytesPerPixel;
  QByteArray blob(reinterpret_cast<const char*>(&header), kHeaderSize);
  blob.reserve(blob.size() + rowBytes * pixels.height());
  for (int y = 0; y < pixels.height(); ++y) {
    blob.append(reinterpret_cast<const char*>(pixels.constScanLine(y)), rowBytes);
  }
  return blob;
}

QImage DecodePixelBlob(QByteArrayView blob) {
  Header header{};
  if (static_cast<std::size_t>(blob.size()) < kHeaderSize) return {};
  std::memcpy(&header, blob.data(), kHeaderSize);
  if (std::memcmp(header.magic, kMagic, sizeof kMagic) != 0 || !IsBlobFormat(header.format) ||
      header.width == 0 || header.height == 0 || header.width > kMaxSide ||
      header.height > kMaxSide) {
    return {};
  }
  const qsizetype rowBytes = qsizetype{header.width} * kBytesPerPixel;
  const qsizetype height = header.height;
  if (blob.size() != static_cast<qsizetype>(kHeaderSize) + rowBytes * height) return {};
  QImage image(static_cast<int>(header.width), static_cast<int>(header.height),
               static_cast<QImage::Format>(header.format));
  if (image.isNull()) return {};
  const char* row = blob.data() + kHeaderSize;
  for (int y = 0; y < image.height(); ++y, row += rowBytes) {
    std::memcpy(image.scanLine(y), row, static_cast<std::size_t>(rowBytes));
  }
  return image;
}

}  // namespace cinta
