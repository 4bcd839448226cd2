#include "richtext/HtmlImporter.h"

#include "richtext/HtmlImportRun.h"

namespace moxa::rt {

namespace {

bool IsUrl(const QString& address) {
  static const char* const kSchemes[] = {
      "http://", "ftp://",  "file://", "gopher://", "mailto:", "https://",
      "news:",   "telnet:", "wais:",   "www.",      "ftp."};
  for (const char* scheme : kSchemes) {
    if (address.startsWith(QLatin1String(scheme), Qt::CaseInsensitive)) return true;
  }
  return false;
}

// Where "/x" goes: the scheme and host of a URL base, else the base's text
// before its first "/", "\" or "?".
QString RootOf(const QString& base) {
  const qsizetype scheme = base.indexOf(QLatin1String("://"));
  if (scheme >= 0) {
    const qsizetype slash = base.indexOf(QLatin1Char('/'), scheme + 3);
    return slash < 0 ? base : base.left(slash);
  }
  qsizetype end = 0;
  while (end < base.size() && base[end] != u'/' && base[end] != u'\\' && base[end] != u'?') ++end;
  return base.left(end);
}

}  // namespace

TRtHtmlImporter::TRtHtmlImporter() = default;
TRtHtmlImporter::~TRtHtmlImporter() = default;

void TRtHtmlImporter::LoadHtml(const QByteArray& html) {
  if (!View) return;
  TRtHtmlRun run(*this, *View.Document, *View.Style);
  run.Run(html);
}

QString TRtHtmlImporter::ResolvePath(const QString& address) const {
  if (address.startsWith(u'#')) return address;
  if (address.contains(u':') && (IsUrl(address) || (address.size() > 1 && address[1] == u':'))) {
    return address;
  }
  if (address.startsWith(u'\\') || address.startsWith(u'/')) return RootOf(BasePath) + address;
  return BasePath + address;
}

}  // namespace moxa::rt
