#include "templates/KeptPictures.h"

#include "site/PageNames.h"
#include "site/SafeFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QUrl>

#include <cctype>
#include <vector>

namespace moxa {
namespace {

QString WithSlash(const QString& folder) {
  return folder.endsWith(u'/') ? folder : folder + u'/';
}

// The picture as JPEG bytes (the form of the user's pictures); a file that
// cannot be decoded is kept as it is.
QByteArray AsJpeg(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) return bytes;
  const QImage image = QImage::fromData(bytes);
  if (image.isNull()) return bytes;
  QImage canvas(image.size(), QImage::Format_RGB32);
  canvas.fill(Qt::white);
  QPainter(&canvas).drawImage(0, 0, image);
  QByteArray jpeg;
  QBuffer buffer(&jpeg);
  buffer.open(QIODevice::WriteOnly);
  return canvas.save(&buffer, "JPEG", 90) ? jpeg : bytes;
}

struct SourceAddress {
  qsizetype start;
  qsizetype length;
};

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The quoted values of every src attribute, in reading order.
std::vector<SourceAddress> SourceAddresses(const QByteArray& content) {
  std::vector<SourceAddress> found;
  const QByteArray lower = content.toLower();
  for (qsizetype at = lower.indexOf("src"); at >= 0; at = lower.indexOf("src", at + 3)) {
    if (at > 0 && (std::isalnum(static_cast<unsigned char>(lower[at - 1])) || lower[at - 1] == '-')) continue;
    qsizetype i = at + 3;
    while (i < lower.size() && IsSpace(lower[i])) ++i;
    if (i >= lower.size() || lower[i] != '=') continue;
    ++i;
    while (i < lower.size() && IsSpace(lower[i])) ++i;
    if (i >= lower.size() || (lower[i] != '"' && lower[i] != '\'')) continue;
    const qsizetype end = lower.indexOf(lower[i], i + 1);
    if (end < 0) break;
    found.push_back({i + 1, end - i - 1});
    at = end - 2;
  }
  return found;
}

}  // namespace

KeptPictures::KeptPictures(const QString& oldSiteFolder, const QString& newSiteFolder)
    : oldFolder_(WithSlash(oldSiteFolder)), newFolder_(WithSlash(newSiteFolder)) {}

QString KeptPictures::NextFreeName() {
  QString name;
  do {
    name = QStringLiteral("moxa_img%1.jpg").arg(next_++);
  } while (QFileInfo::exists(newFolder_ + name));
  return name;
}

std::optional<QString> KeptPictures::KeptName(const QString& address) {
  QString path = QUrl::fromPercentEncoding(address.section(u'?', 0, 0).section(u'#', 0, 0).toUtf8());
  while (path.startsWith(QLatin1String("./"))) path.remove(0, 2);
  // Only the template's own assets are replaced; the user's pictures and
  // addresses on the web stay as they are.
  if (!path.startsWith(QLatin1String("bin/"))) return QString();
  const QString source = oldFolder_ + path;
  if (!PathStaysInside(oldFolder_, source) || !QFileInfo(source).isFile()) return QString();
  const QString canonical = QFileInfo(source).canonicalFilePath();
  if (const auto known = kept_.constFind(canonical); known != kept_.cend()) return *known;
  const QByteArray bytes = AsJpeg(source);
  const QString name = NextFreeName();
  if (bytes.isEmpty() || !WriteFileSafely(newFolder_ + name, bytes)) return std::nullopt;
  kept_.insert(canonical, name);
  return name;
}

bool KeptPictures::Keep(QByteArray& content) {
  bool ok = true;
  const std::vector<SourceAddress> addresses = SourceAddresses(content);
  std::vector<std::optional<QString>> names;
  for (const SourceAddress& at : addresses) {  // numbered in reading order
    names.push_back(KeptName(QString::fromUtf8(content.mid(at.start, at.length))));
    if (!names.back()) ok = false;
  }
  // From the last, so each replacement keeps the offsets before it; byte by
  // byte, so a page in any encoding keeps every other byte.
  for (size_t i = addresses.size(); i-- > 0;) {
    if (names[i] && !names[i]->isEmpty()) {
      content.replace(addresses[i].start, addresses[i].length, names[i]->toUtf8());
    }
  }
  return ok;
}

}  // namespace moxa
