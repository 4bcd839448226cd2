#include "richtext/RtPicture.h"

#include <QBuffer>
#include <QImageReader>

namespace moxa::rt {

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

QImage TRtPicture::Decoded() const {
  if (!Image.isNull() || Data.isEmpty()) return Image;
  return QImage::fromData(Data, Format.isEmpty() ? nullptr : Format.constData());
}

bool operator==(const TRtPicture& a, const TRtPicture& b) {
  if (!a.Data.isEmpty() || !b.Data.isEmpty()) return a.Data == b.Data && a.Format == b.Format;
  return a.Image == b.Image;
}

}  // namespace moxa::rt
