#include "publish/WrapPage.h"

#include <QList>

namespace moxa {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool MatchesAt(const QByteArray& text, qsizetype at, const QByteArray& find, bool anyCase) {
  if (at + find.size() > text.size()) return false;
  for (qsizetype i = 0; i < find.size(); ++i) {
    const char a = text[at + i];
    const char b = find[i];
    if (anyCase ? Lower(a) != Lower(b) : a != b) return false;
  }
  return true;
}

// Every occurrence, left to right, in one pass: what was just put in is
// never searched again.
QByteArray ReplaceAll(const QByteArray& text, const QByteArray& find, const QByteArray& with,
                      bool anyCase) {
  QByteArray out;
  out.reserve(text.size());
  qsizetype at = 0;
  while (at < text.size()) {
    if (MatchesAt(text, at, find, anyCase)) {
      out += with;
      at += find.size();
    } else {
      out += text[at++];
    }
  }
  return out;
}

// Each line followed by CR LF, as the text is read line by line.
QByteArray WithCrLfLines(const QByteArray& text) {
  QByteArray out;
  out.reserve(text.size() + text.size() / 40);
  QList<QByteArray> lines = text.split('\n');
  if (!text.isEmpty() && text.endsWith('\n')) lines.removeLast();
  for (QByteArray& line : lines) {
    if (line.endsWith('\r')) line.chop(1);
    out += line;
    out += "\r\n";
  }
  return out;
}

}  // namespace

QString TemplateAssetAddress(const QString& serviceBase, int templateNumber) {
  return serviceBase + QStringLiteral("/wbx/templates/%1/").arg(templateNumber);
}

QByteArray WrapPageAsPhp(const QByteArray& text, const WrapTarget& target, bool pictures) {
  QByteArray t = ReplaceAll(WithCrLfLines(text), "\\", "\\\\", false);
  if (pictures) {
    const QByteArray address =
        (target.ServiceBase + QStringLiteral("/moxasites/") + target.UnixName).toUtf8() + "/moxa_img";
    t = ReplaceAll(t, "moxa_img", address, true);
  }
  t = ReplaceAll(t, "bin/",
                 TemplateAssetAddress(target.ServiceBase, target.TemplateNumber).toUtf8() + "bin/",
                 false);
  t = ReplaceAll(t, "href=\"", "href=\"/?p=", true);
  t = ReplaceAll(t, "href='", "href='/?p=", true);
  t = ReplaceAll(t, "/?p=http", "http", true);
  t = ReplaceAll(t, "/?p=ftp", "ftp", true);
  t = ReplaceAll(t, "/?p=mailto:", "mailto:", true);
  t = ReplaceAll(t, "\"", "\\\"", false);
  t = ReplaceAll(t, "$", "\\$", false);
  return "<?php\r\n\r\n$html = \"" + t + "\";\r\n\r\n?>\r\n";
}

}  // namespace moxa
