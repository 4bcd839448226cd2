#include "pages/HtmlText.h"

namespace moxa {
namespace {

QByteArray Escape(const QString& text, bool quotes) {
  const QByteArray utf8 = text.toUtf8();
  QByteArray out;
  out.reserve(utf8.size() + 16);
  for (const char c : utf8) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"':
        if (quotes) {
          out += "&quot;";
          break;
        }
        [[fallthrough]];
      default: out += c;
    }
  }
  return out;
}

}  // namespace

QByteArray EscapeHtmlText(const QString& text) { return Escape(text, false); }

QByteArray EscapeHtmlAttribute(const QString& text) { return Escape(text, true); }

QString UnescapeHtml(const QByteArray& html) {
  static const struct {
    const char* reference;
    char character;
  } kReferences[] = {{"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&#39;", '\''}, {"&amp;", '&'}};
  QByteArray out;
  out.reserve(html.size());
  for (qsizetype i = 0; i < html.size(); ++i) {
    bool replaced = false;
    if (html[i] == '&') {
      for (const auto& r : kReferences) {
        const qsizetype length = static_cast<qsizetype>(qstrlen(r.reference));
        if (html.mid(i, length) == r.reference) {
          out += r.character;
          i += length - 1;
          replaced = true;
          break;
        }
      }
    }
    if (!replaced) out += html[i];
  }
  return QString::fromUtf8(out);
}

}  // namespace moxa
