#include "editor/PictureCommands.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRandomGenerator>
#include <QUrl>

#include "editor/RtEditor.h"
#include "platform/HttpDownload.h"

namespace moxa::editor {
namespace {

bool IsSafeName(const QString& name) {
  if (name.isEmpty() || name.startsWith(QLatin1Char('.'))) return false;
  if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))) return false;
  for (const QChar c : name) {
    if (c.unicode() < 0x20 || c == QLatin1Char(':')) return false;
  }
  return true;
}

QString ExtensionOfContentType(const QString& contentType) {
  const QString type = contentType.section(QLatin1Char(';'), 0, 0).trimmed().toLower();
  if (type == "image/jpeg" || type == "image/jpg") return QStringLiteral(".jpg");
  if (type == "image/png") return QStringLiteral(".png");
  if (type == "image/gif") return QStringLiteral(".gif");
  if (type == "image/bmp" || type == "image/x-ms-bmp") return QStringLiteral(".bmp");
  return QStringLiteral(".img");
}

QByteArray FileHash(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QCryptographicHash hash(QCryptographicHash::Sha256);
  hash.addData(&file);
  return hash.result();
}

bool SameBytes(const QString& a, const QString& b) {
  const QByteArray hashA = FileHash(a);
  return !hashA.isEmpty() && hashA == FileHash(b);
}

QString WithSlash(const QString& folder) {
  return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

// Copies through a temporary name so that a failed copy leaves nothing.
bool CopyWhole(const QString& source, const QString& target) {
  const QString partial =
      QFileInfo(target).dir().filePath(QStringLiteral(".partial-") + QFileInfo(target).fileName());
  QFile::remove(partial);
  if (!QFile::copy(source, partial)) return false;
  if (!QFile::rename(partial, target)) {
    QFile::remove(partial);
    return false;
  }
  return true;
}

// The name `source` takes in `folder`: a file there with the same bytes is
// reused, else the first free numbered name.
QString NameFor(const QString& folder, const QString& name, const QString& source) {
  const QDir dir(folder);
  const QFileInfo info(name);
  const QString ext = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
  for (int n = 0;; ++n) {
    const QString candidate = n == 0 ? name : info.completeBaseName() + QString::number(n) + ext;
    if (!dir.exists(candidate) || SameBytes(source, dir.filePath(candidate))) return candidate;
  }
}

}  // namespace

QString FileNameFromUrl(const QString& url, const QString& contentType) {
  QString rest = url.section(QLatin1Char('#'), 0, 0).section(QLatin1Char('?'), 0, 0);
  const qsizetype scheme = rest.indexOf(QStringLiteral("://"));
  if (scheme >= 0) rest = rest.mid(scheme + 3);
  const qsizetype slash =
      std::max(rest.lastIndexOf(QLatin1Char('/')), rest.lastIndexOf(QLatin1Char('\\')));
  // Without any slash after the scheme the address is a host name only.
  QString name = (scheme >= 0 && slash < 0) ? QString() : rest.mid(slash + 1);
  // A name that is only safe while encoded would turn unsafe in other hands.
  const QString decoded = QUrl::fromPercentEncoding(name.toUtf8());
  if (IsSafeName(decoded) && IsSafeName(name)) return decoded;
  const quint32 number = QRandomGenerator::global()->bounded(1u, 1000000u);
  return QStringLiteral("picture") + QString::number(number) + ExtensionOfContentType(contentType);
}

QString WithWebScheme(const QString& address) {
  for (const char* scheme : {"https://", "http://", "ftp://"}) {
    if (address.contains(QLatin1String(scheme), Qt::CaseInsensitive)) return address;
  }
  return QStringLiteral("http://") + address;
}

QString FreeFileName(const QString& folder, const QString& name) {
  const QDir dir(folder);
  if (!dir.exists(name)) return name;
  const QFileInfo info(name);
  const QString base = info.completeBaseName();
  const QString ext = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
  for (int n = 1;; ++n) {
    const QString candidate = base + QString::number(n) + ext;
    if (!dir.exists(candidate)) return candidate;
  }
}

QString CopyIntoWorkingFolder(const QString& source, const QString& workFolder) {
  const QFileInfo info(source);
  if (!info.isFile()) return {};
  const QString folder = WithSlash(workFolder);
  const QString name = info.fileName().replace(QLatin1Char(' '), QLatin1Char('_'));
  if (QFileInfo(folder + name).absoluteFilePath() == info.absoluteFilePath()) return folder + name;
  const QString target = folder + NameFor(folder, name, source);
  if (QFile::exists(target)) return target;
  return CopyWhole(source, target) ? target : QString();
}

QString DownloadIntoWorkingFolder(const QString& url, const QString& workFolder,
                                  const std::atomic<bool>* cancel) {
  const QString folder = WithSlash(workFolder);
  const QString incoming =
      folder + QStringLiteral(".incoming-picture-%1").arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0'));
  const DownloadResult result = DownloadUrlToFile(url, incoming, cancel);
  if (!result.ok) return {};
  // Given up while the last bytes came, nobody takes the picture any more;
  // and an error page served as 200 is no picture.
  if ((cancel && cancel->load()) || !LoadPicture(incoming)) {
    QFile::remove(incoming);
    return {};
  }
  const QString target = folder + FreeFileName(folder, FileNameFromUrl(url, result.contentType));
  if (!QFile::rename(incoming, target)) {
    QFile::remove(incoming);
    return {};
  }
  return target;
}

QString CopyToImagesFolder(const QString& path, const QString& keepFolder) {
  const QString folder = WithSlash(keepFolder);
  if (QFileInfo(path).absoluteFilePath().startsWith(QFileInfo(folder).absoluteFilePath())) {
    return path;
  }
  if (!QDir().mkpath(folder)) return {};
  const QString name = QFileInfo(path).fileName();
  const QString target = folder + NameFor(folder, name, path);
  if (QFile::exists(target)) return target;
  return CopyWhole(path, target) ? target : QString();
}

std::optional<rt::TRtPicture> LoadPicture(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray data = file.readAll();
  rt::TRtPicture picture = rt::TRtPicture::FromEncoded(data);
  if (picture.Format.isEmpty() || picture.Decoded().isNull()) return std::nullopt;
  return picture;
}

bool EditorImages::Add(const TEditorImage& image) {
  if (Full()) return false;
  Images.push_back(image);
  return true;
}

rt::TRtVAlign PictureVAlignOf(const QString& alignment) {
  if (alignment == QLatin1String("Left")) return rt::rtvaLeft;
  if (alignment == QLatin1String("Right")) return rt::rtvaRight;
  if (alignment == QLatin1String("Center")) return rt::rtvaMiddle;
  return rt::rtvaBaseline;
}

QString InsertPictureIntoEditor(RtEditor& editor, rt::TEditorLinks& links,
                                const PictureInsertion& insertion) {
  if (insertion.HyperLinked && links.Full()) return kNoMoreLinks;
  const rt::TRtVAlign valign = PictureVAlignOf(insertion.Alignment);
  editor.BeginUndoGroup(rtutInsert);
  editor.SetUndoGroupMode(true);
  bool inserted = false;
  if (insertion.HyperLinked) {
    inserted = editor.InsertHotPicture(QString(), insertion.Picture, valign);
    if (inserted) {
      rt::TEditorHyperLink link;
      link.Url = insertion.LinkUrl;
      link.NewWindow = insertion.NewWindow;
      editor.SetCurrentTag(links.Add(link));
    }
  } else {
    inserted = editor.InsertPicture(QString(), insertion.Picture, valign);
  }
  if (inserted) {
    editor.SetCurrentItemExtraStrProperty(rt::rtespImageFileName, insertion.ImageFileName);
    if (!insertion.AltText.isEmpty()) {
      editor.SetCurrentItemExtraStrProperty(rt::rtespAltText, insertion.AltText);
    }
  }
  editor.SetUndoGroupMode(false);
  return inserted ? QString() : kPictureNotAdded;
}

}  // namespace moxa::editor
