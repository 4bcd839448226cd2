#include "richtext/RtPicture.h"

#include <QBuffer>
#include <QImageReader>

namespace moxa::rt {

QImage DecodePicture(const QByteArray& data, const QByteArray& format) {
  QByteArray bytes = data;  // shared, not copied
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, format);
  const QSize size = reader.size();
  if (size.width() > kLargestPictureSide || size.height() > kLargestPictureSide) {
    reader.setScaledSize(size.scaled(kLargestPictureSide, kLargestPictureSide, Qt::KeepAspectRatio));
  }
  return reader.read();
}

TRtPicture TRtPicture::FromEncoded(const QByteArray& data) {
  TRtPicture picture;
  picture.Data = data;
  QBuffer buffer(&picture.Data);
  buffer.open(QIODevice::ReadOnly);
  picture.Format = QImageReader::imageFormat(&buffer).toLower();
  return picture;
}

TRtPicture TRtPicture::FromImage(const QImage& image) {
  TRtPicture picture;
  picture.Image = image;
  return picture;
}

TRtPicture TRtPicture::InvalidPicture() {
  constexpr int kSide = 20;
  QImage image(kSide, kSide, QImage::Format_RGB32);
  image.fill(qRgb(255, 255, 255));
  for (int i = 0; i < kSide; ++i) {
    for (int edge : {0, kSide - 1}) {
      image.setPixel(i, edge, qRgb(128, 128, 128));
      image.setPixel(edge, i, qRgb(128, 128, 128));
    }
    if (i >= 4 && i < kSide - 4) {
      image.setPixel(i, i, qRgb(220, 0, 0));
      image.setPixel(kSide - 1 - i, i, qRgb(220, 0, 0));
    }
  }
  return FromImage(image);
}

QImage TRtPicture::Decoded() const {
  if (!Image.isNull() || Data.isEmpty()) return Image;
  return DecodePicture(Data, Format);
}

bool operator==(const TRtPicture& a, const TRtPicture& b) {
  if (!a.Data.isEmpty() || !b.Data.isEmpty()) return a.Data == b.Data && a.Format == b.Format;
  return a.Image == b.Image;
}

}  // namespace moxa::rt
