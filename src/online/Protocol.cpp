#include "online/Protocol.h"

#include "online/RecordValues.h"

#include <array>
#include <string_view>

namespace moxa {

namespace {

bool IsSafeByte(char c) {
  static constexpr std::string_view kSafe = "!$'()*-.@_";
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
         kSafe.find(c) != std::string_view::npos;
}

// Takes `count` fields in a row; nothing unless all of them are there.
template <std::size_t N>
std::optional<std::array<QString, N>> TakeFields(QString& reply, QStringView separator) {
  QString rest = reply;
  std::array<QString, N> fields;
  for (QString& field : fields) {
    std::optional<QString> taken = TakeField(rest, separator);
    if (!taken) return std::nullopt;
    field = *taken;
  }
  reply = rest;
  return fields;
}

void ReadPort(const QString& field, qint32& port) {
  if (field.trimmed().isEmpty()) return;
  for (QChar c : field) {
    if (c < u'0' || c > u'9') return;
  }
  bool ok = false;
  const qint32 value = field.toInt(&ok);
  if (ok) port = value;
}

// Each field cleaned of separators: a value that slipped past the checks
// where it was typed loses them rather than shifting the fields behind it.
QString Joined(std::initializer_list<QString> fields, QStringView separator) {
  QString text;
  for (const QString& field : fields) {
    text += WithoutRecordSeparators(field);
    text += separator;
  }
  return text;
}

}  // namespace

QByteArray FormEncode(const QByteArray& value) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  QByteArray encoded;
  encoded.reserve(value.size() * 3);
  for (char c : value) {
    if (c == '\0') break;
    if (IsSafeByte(c)) {
      encoded += c;
    } else if (c == ' ') {
      encoded += '+';
    } else {
      const auto byte = static_cast<unsigned char>(c);
      encoded += '%';
      encoded += kHex[byte >> 4];
      encoded += kHex[byte & 0x0F];
    }
  }
  return encoded;
}

std::optional<QString> TakeField(QString& reply, QStringView separator) {
  const qsizetype at = reply.indexOf(separator);
  if (at < 0) return std::nullopt;
  QString field = reply.left(at);
  reply.remove(0, at + separator.size());
  return field;
}

QString AccountRecord(const TAccount& a) {
  return Joined({a.Password, a.FirstName, a.LastName, a.Email, a.UnixName, a.Domain, a.FtpHost,
                 a.FtpUsername, a.FtpPassword, QString::number(a.FtpPort), a.FtpPath,
                 a.HostingPackage},
                kFieldEnd);
}

bool ReadAccountRecord(QString& reply, TAccount& account) {
  const auto f = TakeFields<12>(reply, kFieldEnd);
  if (!f) return false;
  account.Password = (*f)[0];
  account.FirstName = (*f)[1];
  account.LastName = (*f)[2];
  account.Email = (*f)[3];
  account.UnixName = (*f)[4];
  account.Domain = (*f)[5];
  account.FtpHost = (*f)[6];
  account.FtpUsername = (*f)[7];
  account.FtpPassword = (*f)[8];
  ReadPort((*f)[9], account.FtpPort);
  account.FtpPath = (*f)[10];
  account.HostingPackage = (*f)[11];
  return true;
}

QString PageList(const std::vector<TSitePage>& pages) {
  QString list;
  for (const TSitePage& p : pages) {
    list += Joined({p.FileName, p.Label_, p.WindowTitle, p.Description, p.Keywords, p.Heading,
                    p.Text1, p.Text2, p.Text3, p.Text4, p.Text5, p.Text6, BooleanText(p.ShowInMenu),
                    BooleanText(p.IsHomePage)},
                   kPageFieldEnd);
    list += BooleanText(p.Changed);
    list += kFieldEnd;
  }
  return list;
}

std::vector<TSitePage> ReadPageList(QString& reply, int limit, bool* more) {
  std::vector<TSitePage> pages;
  while (reply.contains(kPageFieldEnd)) {
    if (static_cast<int>(pages.size()) >= limit) break;
    QString rest = reply;
    const auto f = TakeFields<14>(rest, kPageFieldEnd);
    const std::optional<QString> changed = f ? TakeField(rest, kFieldEnd) : std::nullopt;
    if (!changed) break;
    reply = rest;
    TSitePage& p = pages.emplace_back();
    p.FileName = (*f)[0];
    p.Label_ = (*f)[1];
    p.WindowTitle = (*f)[2];
    p.Description = (*f)[3];
    p.Keywords = (*f)[4];
    p.Heading = (*f)[5];
    p.Text1 = (*f)[6];
    p.Text2 = (*f)[7];
    p.Text3 = (*f)[8];
    p.Text4 = (*f)[9];
    p.Text5 = (*f)[10];
    p.Text6 = (*f)[11];
    p.ShowInMenu = ReadBoolean((*f)[12]);
    p.IsHomePage = ReadBoolean((*f)[13]);
    p.Changed = ReadBoolean(*changed);
  }
  // Only the limit leaves records behind; a record cut short is no page.
  if (more) *more = static_cast<int>(pages.size()) >= limit && reply.contains(kPageFieldEnd);
  return pages;
}

QString FtpRecord(const TAccount& a) {
  return Joined({a.FtpHost, a.FtpUsername, a.FtpPassword, QString::number(a.FtpPort), a.FtpPath},
                kFieldEnd);
}

bool ReadFtpRecord(QString& reply, TAccount& account) {
  const auto f = TakeFields<5>(reply, kFieldEnd);
  if (!f) return false;
  account.FtpHost = (*f)[0];
  account.FtpUsername = (*f)[1];
  account.FtpPassword = (*f)[2];
  ReadPort((*f)[3], account.FtpPort);
  account.FtpPath = (*f)[4];
  return true;
}

}  // namespace moxa
