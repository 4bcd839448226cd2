#include "richtext/RtdParts.h"

#include <QImage>

namespace moxa::rt {

namespace {

enum PictureKind : std::uint8_t { kNoPicture = 0, kEncoded = 1, kPixels = 2 };

constexpr int kMaxSide = 32768;  // QImage's own limit is near this

qint64 RowBytes(int width, int bitsPerPixel) {
  return (qint64{width} * bitsPerPixel + 7) / 8;
}

void WritePixels(RtdWriter& w, const QImage& image) {
  w.I32(image.format());
  w.I32(image.width());
  w.I32(image.height());
  const QList<QRgb> colors = image.colorTable();
  w.U32(static_cast<std::uint32_t>(colors.size()));
  for (QRgb color : colors) w.U32(color);
  const qint64 rowBytes = RowBytes(image.width(), image.depth());
  for (int y = 0; y < image.height(); ++y) {
    w.Raw(reinterpret_cast<const char*>(image.constScanLine(y)), rowBytes);
  }
}

bool IsIndexed(QImage::Format format) {
  return format == QImage::Format_Mono || format == QImage::Format_MonoLSB ||
         format == QImage::Format_Indexed8;
}

// Every pixel of an indexed image must name an entry of its colour table:
// QImage looks colours up without checking, so a hostile index would make
// it read outside the table when the picture is compared or drawn.
bool IndexesFitTable(const QImage& image) {
  const int colors = image.colorCount();
  if (image.format() != QImage::Format_Indexed8) return colors == 2;
  for (int y = 0; y < image.height(); ++y) {
    const uchar* line = image.constScanLine(y);
    for (int x = 0; x < image.width(); ++x) {
      if (line[x] >= colors) return false;
    }
  }
  return true;
}

// Sizes are checked against the rest of the file before anything is
// allocated, so a hostile header cannot ask for gigabytes.
bool ReadPixels(RtdReader& r, QImage& image) {
  const int format = r.I32();
  const int width = r.I32();
  const int height = r.I32();
  if (!r.Ok() || format <= QImage::Format_Invalid || format >= QImage::NImageFormats ||
      width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) {
    return false;
  }
  const auto imageFormat = static_cast<QImage::Format>(format);
  const int colorCount = r.Count(4);
  if (colorCount > 256 || (colorCount > 0) != IsIndexed(imageFormat)) return false;
  QList<QRgb> colors;
  for (int i = 0; i < colorCount; ++i) colors.append(r.U32());
  const qint64 rowBytes = RowBytes(width, QImage::toPixelFormat(imageFormat).bitsPerPixel());
  if (!r.Ok() || rowBytes * height > r.Remaining()) return false;
  image = QImage(width, height, imageFormat);
  if (image.isNull()) return false;
  if (!colors.isEmpty()) image.setColorTable(colors);
  for (int y = 0; y < height; ++y) {
    if (!r.Raw(reinterpret_cast<char*>(image.scanLine(y)), rowBytes)) return false;
  }
  return !IsIndexed(imageFormat) || IndexesFitTable(image);
}

}  // namespace

void WritePicture(RtdWriter& w, const TRtPicture& picture) {
  if (!picture.Data.isEmpty()) {
    w.U8(kEncoded);
    w.Bytes(picture.Data);
    w.Bytes(picture.Format);
  } else if (!picture.Image.isNull()) {
    w.U8(kPixels);
    WritePixels(w, picture.Image);
  } else {
    w.U8(kNoPicture);
  }
}

bool ReadPicture(RtdReader& r, TRtPicture& picture) {
  picture = TRtPicture();
  switch (r.U8()) {
    case kNoPicture:
      return r.Ok();
    case kEncoded:
      picture.Data = r.Bytes();
      picture.Format = r.Bytes();
      return r.Ok() && !picture.Data.isEmpty();
    case kPixels:
      return ReadPixels(r, picture.Image);
    default:
      return false;
  }
}

}  // namespace moxa::rt
