#include "richtext/HtmlEscape.h"

namespace moxa::rt {

namespace {

// The code point starting at `i`, which moves past it.
char32_t NextCodePoint(QStringView text, qsizetype& i) {
  const char16_t unit = text[i++].unicode();
  if (QChar::isHighSurrogate(unit) && i < text.size() && QChar::isLowSurrogate(text[i].unicode())) {
    return QChar::surrogateToUcs4(unit, text[i++].unicode());
  }
  if (QChar::isSurrogate(unit)) return 0xFFFD;
  return unit;
}

// The character above 127 at `i`, which moves past it.
void AppendNonAscii16(QByteArray& out, QStringView text, qsizetype& i) {
  const char32_t code = NextCodePoint(text, i);
  if (code == 0xA0) {
    out += "&nbsp;";
  } else {
    AppendCharRef(out, code);
  }
}

bool AppendMarkupChar(QByteArray& out, char16_t c) {
  switch (c) {
    case '&':
      out += "&amp;";
      return true;
    case '<':
      out += "&lt;";
      return true;
    case '>':
      out += "&gt;";
      return true;
    default:
      return false;
  }
}

}  // namespace

void AppendCharRef(QByteArray& out, char32_t code) {
  out += "&#";
  out += QByteArray::number(static_cast<uint>(code));
  out += ';';
}

void AppendEscapedText16(QByteArray& out, QStringView text, bool htmlCode) {
  bool afterSpace = true;  // the start of the text counts as after a space
  const qsizetype last = text.size() - 1;
  for (qsizetype i = 0; i < text.size();) {
    const qsizetype at = i;
    const char16_t c = text[i].unicode();
    if (c >= 128) {
      AppendNonAscii16(out, text, i);
      afterSpace = false;
      continue;
    }
    ++i;
    if (htmlCode) {
      out += static_cast<char>(c);
      continue;
    }
    if (c == ' ') {
      const bool hard = afterSpace || at == last;
      out += hard ? "&nbsp;" : " ";
      afterSpace = !hard;
      continue;
    }
    afterSpace = false;
    if (!AppendMarkupChar(out, c)) out += static_cast<char>(c);
  }
}

void AppendEscapedText8(QByteArray& out, QStringView text) {
  for (qsizetype i = 0; i < text.size();) {
    const char16_t c = text[i].unicode();
    if (c >= 128) {
      AppendCharRef(out, NextCodePoint(text, i));
      continue;
    }
    ++i;
    if (c == ' ' && i < text.size() && text[i] == u' ') {
      out += "&nbsp; ";
      ++i;
    } else if (!AppendMarkupChar(out, c)) {
      out += static_cast<char>(c);
    }
  }
}

void AppendAsciiOnly(QByteArray& out, QStringView text) {
  for (qsizetype i = 0; i < text.size();) {
    const char16_t c = text[i].unicode();
    if (c >= 128) {
      AppendCharRef(out, NextCodePoint(text, i));
    } else {
      out += static_cast<char>(c);
      ++i;
    }
  }
}

void AppendEscapedAttribute(QByteArray& out, QStringView value) {
  for (qsizetype i = 0; i < value.size();) {
    const char16_t c = value[i].unicode();
    if (c >= 128) {
      AppendCharRef(out, NextCodePoint(value, i));
      continue;
    }
    ++i;
    if (c == '"') {
      out += "&quot;";
    } else {
      out += static_cast<char>(c);
    }
  }
}

}  // namespace moxa::rt
