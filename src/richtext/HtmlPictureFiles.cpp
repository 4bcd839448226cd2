#include "richtext/HtmlPictureFiles.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>

namespace moxa::rt {

std::optional<int> PictureFileNumber(const QString& fileName, const QString& prefix) {
  static const QString kSuffix = QStringLiteral(".jpg");
  if (!fileName.startsWith(prefix) || !fileName.endsWith(kSuffix)) return std::nullopt;
  const QStringView digits =
      QStringView(fileName).mid(prefix.size(), fileName.size() - prefix.size() - kSuffix.size());
  if (digits.isEmpty() || digits.front() == u'0' || digits.size() > 9) return std::nullopt;
  int number = 0;
  for (const QChar c : digits) {
    if (c < u'0' || c > u'9') return std::nullopt;
    number = number * 10 + (c.unicode() - u'0');
  }
  return number;
}

std::optional<QByteArray> PictureAsJpeg(const TRtPicture& picture, TRtColor background) {
  if (picture.Format == "jpeg" && !picture.Data.isEmpty()) return picture.Data;
  const QImage image = picture.Decoded();
  if (image.isNull()) return std::nullopt;
  QImage canvas(image.size(), QImage::Format_RGB32);
  canvas.fill(background == rtclNone ? QColor(Qt::white) : ToQColor(background));
  {
    QPainter painter(&canvas);
    painter.drawImage(0, 0, image);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpeg");
  if (!writer.write(canvas)) return std::nullopt;
  return bytes;
}

THtmlPictureFiles::THtmlPictureFiles(const QString& folder, const QString& prefix)
    : folder_(folder), canonicalFolder_(QFileInfo(folder).canonicalFilePath()), prefix_(prefix) {}

// Only an absolute name says where a picture came from.
bool THtmlPictureFiles::CameFromHere(const QString& imageFileName) const {
  if (imageFileName.isEmpty() || canonicalFolder_.isEmpty()) return false;
  const QFileInfo file(imageFileName);
  if (!file.isAbsolute() || !file.isFile()) return false;
  if (!PictureFileNumber(file.fileName(), prefix_)) return false;
  return QFileInfo(file.canonicalFilePath()).path() == canonicalFolder_;
}

QString THtmlPictureFiles::NameFor(int number) const {
  return prefix_ + QString::number(number) + QStringLiteral(".jpg");
}

std::optional<QString> THtmlPictureFiles::Add(const TRtHtmlPicture& picture) {
  if (CameFromHere(picture.ImageFileName)) return QFileInfo(picture.ImageFileName).fileName();
  std::optional<QByteArray> bytes = PictureAsJpeg(picture.Picture, picture.Background);
  if (!bytes) return std::nullopt;
  // Files do not appear while the export plans, and every number below
  // next_ is taken, so the search goes on from there.
  while (folder_.exists(NameFor(next_))) ++next_;
  TRtPendingFile& file = newFiles_.emplace_back();
  file.Name = NameFor(next_++);
  file.Bytes = std::move(*bytes);
  return file.Name;
}

}  // namespace moxa::rt
