#include "pages/LinkPrefix.h"

#include "pages/TextSearch.h"

#include <cctype>

namespace moxa {
namespace {

// True when the attribute at `at` belongs to a <link> element: a style
// sheet must keep working in the editor, or the page would be shown bare.
bool InLinkElement(const QByteArray& page, qsizetype at) {
  const qsizetype open = page.lastIndexOf('<', at);
  if (open < 0 || page.lastIndexOf('>', at) > open) return false;
  const QByteArray name = AsciiLower(page.mid(open + 1, 5));
  return name.startsWith("link") && (name.size() < 5 || !std::isalnum(static_cast<uchar>(name[4])));
}

// Start of the next `href="` or `href='` (any case) at or after `from`, or -1.
qsizetype NextHref(const QByteArray& page, qsizetype from) {
  for (qsizetype at = IndexOfIgnoringAsciiCase(page, "href=", from); at >= 0;
       at = IndexOfIgnoringAsciiCase(page, "href=", at + 1)) {
    const qsizetype quote = at + 5;
    if (quote < page.size() && (page[quote] == '"' || page[quote] == '\'') &&
        !InLinkElement(page, at)) {
      return at;
    }
  }
  return -1;
}

}  // namespace

QByteArray AddEditorLinkPrefixes(const QByteArray& page) {
  QByteArray out;
  out.reserve(page.size() + 256);
  qsizetype copied = 0;
  for (qsizetype at = NextHref(page, 0); at >= 0; at = NextHref(page, at + 6)) {
    out.append(page.constData() + copied, at + 6 - copied);  // through the quote
    out.append('#');
    copied = at + 6;
  }
  out.append(page.constData() + copied, page.size() - copied);
  return out;
}

QByteArray RemoveEditorLinkPrefixes(const QByteArray& page) {
  QByteArray out;
  out.reserve(page.size());
  qsizetype copied = 0;
  for (qsizetype at = NextHref(page, 0); at >= 0; at = NextHref(page, at + 6)) {
    const qsizetype hash = at + 6;
    if (hash >= page.size() || page[hash] != '#') continue;
    out.append(page.constData() + copied, hash - copied);
    copied = hash + 1;
  }
  out.append(page.constData() + copied, page.size() - copied);
  return out;
}

}  // namespace moxa
