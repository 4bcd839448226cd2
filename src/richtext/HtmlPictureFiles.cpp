#include "richtext/HtmlPictureFiles.h"

#include <QBuffer>
#include <QDirIterator>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>

namespace moxa::rt {

namespace {

// Where the file system folds case, a name differing only in case is the
// same file and takes its number too.
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
constexpr Qt::CaseSensitivity kFileNameCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kFileNameCase = Qt::CaseSensitive;
#endif

// The numbers of every entry (file, folder, link, anything) named like a
// picture file; nothing when the folder cannot be listed.
std::optional<QSet<int>> TakenNumbers(const QString& folder, const QString& prefix) {
  const QFileInfo info(folder);
  if (!info.isDir() || !info.isReadable()) return std::nullopt;
  QSet<int> taken;
  // Every kind of entry, so that no entry needs a look of its own.
  QDirIterator entries(folder,
                       QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  while (entries.hasNext()) {
    entries.next();
    if (const auto number = PictureFileNumber(entries.fileName(), prefix, kFileNameCase)) {
      taken.insert(*number);
    }
  }
  return taken;
}

}  // namespace

std::optional<int> PictureFileNumber(const QString& fileName, const QString& prefix,
                                     Qt::CaseSensitivity letterCase) {
  static const QString kSuffix = QStringLiteral(".jpg");
  if (!fileName.startsWith(prefix, letterCase) || !fileName.endsWith(kSuffix, letterCase)) {
    return std::nullopt;
  }
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
    : folder_(folder),
      canonicalFolder_(QFileInfo(folder).canonicalFilePath()),
      prefix_(prefix),
      taken_(TakenNumbers(folder, prefix)) {}

// Only an absolute name says where a picture came from. The listing
// answers most pictures; a look on disk is left only for those that keep
// their names, which need no file written.
bool THtmlPictureFiles::CameFromHere(const QString& imageFileName) {
  if (imageFileName.isEmpty() || canonicalFolder_.isEmpty()) return false;
  const QFileInfo file(imageFileName);
  if (!file.isAbsolute()) return false;
  const std::optional<int> number = PictureFileNumber(file.fileName(), prefix_);
  if (!number || !IsTaken(*number)) return false;
  return IsThisFolder(file.absolutePath()) && file.isFile();
}

// Whether `path` is the export's folder, by another way of writing it or a
// link too. Pictures mostly share a few folders, so each is resolved once.
bool THtmlPictureFiles::IsThisFolder(const QString& path) {
  if (path == folder_) return true;
  const auto known = thisFolder_.constFind(path);
  if (known != thisFolder_.cend()) return *known;
  const bool same = QFileInfo(path).canonicalFilePath() == canonicalFolder_;
  thisFolder_.insert(path, same);
  return same;
}

bool THtmlPictureFiles::IsTaken(int number) const {
  if (taken_) return taken_->contains(number);
  return QFileInfo::exists(folder_ + u'/' + NameFor(number));
}

QString THtmlPictureFiles::NameFor(int number) const {
  return prefix_ + QString::number(number) + QStringLiteral(".jpg");
}

std::optional<QString> THtmlPictureFiles::Add(const TRtHtmlPicture& picture) {
  if (CameFromHere(picture.ImageFileName)) return QFileInfo(picture.ImageFileName).fileName();
  std::optional<QByteArray> bytes = PictureAsJpeg(picture.Picture, picture.Background);
  if (!bytes) return std::nullopt;
  // Every number below next_ is taken, by the folder or by this export.
  while (IsTaken(next_)) ++next_;
  TRtPendingFile& file = newFiles_.emplace_back();
  file.Name = NameFor(next_++);
  file.Bytes = std::move(*bytes);
  return file.Name;
}

}  // namespace moxa::rt
