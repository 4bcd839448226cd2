#include "richtext/HtmlEscape.h"

#include <charconv>
#include <cstring>

namespace moxa::rt {

namespace {

// Gathers output bytes and appends them to the array in blocks: text is
// escaped a character at a time, and one append per character is what
// costs most.
class Sink {
 public:
  explicit Sink(QByteArray& out) : out_(out) {}
  Sink(const Sink&) = delete;
  Sink& operator=(const Sink&) = delete;
  ~Sink() { Flush(); }

  void Put(char c) {
    if (used_ == sizeof(buffer_)) Flush();
    buffer_[used_++] = c;
  }
  template <size_t N>
  void Put(const char (&text)[N]) {
    if (used_ + N > sizeof(buffer_)) Flush();
    std::memcpy(buffer_ + used_, text, N - 1);
    used_ += N - 1;
  }
  void PutReference(char32_t code) {
    char reference[16] = "&#";
    char* end = std::to_chars(reference + 2, reference + sizeof(reference) - 1, code).ptr;
    *end++ = ';';
    const auto size = static_cast<size_t>(end - reference);
    if (used_ + size > sizeof(buffer_)) Flush();
    std::memcpy(buffer_ + used_, reference, size);
    used_ += size;
  }

 private:
  void Flush() {
    out_.append(buffer_, static_cast<qsizetype>(used_));
    used_ = 0;
  }

  QByteArray& out_;
  char buffer_[512];
  size_t used_ = 0;
};

// The code point starting at `i`, which moves past it.
char32_t NextCodePoint(QStringView text, qsizetype& i) {
  const char16_t unit = text[i++].unicode();
  if (QChar::isHighSurrogate(unit) && i < text.size() && QChar::isLowSurrogate(text[i].unicode())) {
    return QChar::surrogateToUcs4(unit, text[i++].unicode());
  }
  if (QChar::isSurrogate(unit)) return 0xFFFD;
  return unit;
}

// The character above 127 at `i`, which moves past it, as 16-bit text
// writes it.
void PutNonAscii16(Sink& out, QStringView text, qsizetype& i) {
  const char32_t code = NextCodePoint(text, i);
  if (code == 0xA0) {
    out.Put("&nbsp;");
  } else {
    out.PutReference(code);
  }
}

void PutMarkupSafe(Sink& out, char16_t c) {
  switch (c) {
    case '&':
      out.Put("&amp;");
      break;
    case '<':
      out.Put("&lt;");
      break;
    case '>':
      out.Put("&gt;");
      break;
    default:
      out.Put(static_cast<char>(c));
  }
}

}  // namespace

void AppendCharRef(QByteArray& out, char32_t code) {
  Sink sink(out);
  sink.PutReference(code);
}

void AppendEscapedText16(QByteArray& out, QStringView text, bool htmlCode) {
  Sink sink(out);
  bool afterSpace = true;  // the start of the text counts as after a space
  const qsizetype last = text.size() - 1;
  for (qsizetype i = 0; i < text.size();) {
    const qsizetype at = i;
    const char16_t c = text[i].unicode();
    if (c >= 128) {
      PutNonAscii16(sink, text, i);
      afterSpace = false;
      continue;
    }
    ++i;
    if (htmlCode) {
      sink.Put(static_cast<char>(c));
    } else if (c == ' ') {
      const bool hard = afterSpace || at == last;
      if (hard) {
        sink.Put("&nbsp;");
      } else {
        sink.Put(' ');
      }
      afterSpace = !hard;
    } else {
      afterSpace = false;
      PutMarkupSafe(sink, c);
    }
  }
}

void AppendEscapedText8(QByteArray& out, QStringView text) {
  Sink sink(out);
  for (qsizetype i = 0; i < text.size();) {
    const char16_t c = text[i].unicode();
    if (c >= 128) {
      sink.PutReference(NextCodePoint(text, i));
      continue;
    }
    ++i;
    if (c == ' ' && i < text.size() && text[i] == u' ') {
      sink.Put("&nbsp; ");
      ++i;
    } else {
      PutMarkupSafe(sink, c);
    }
  }
}

void AppendAsciiOnly(QByteArray& out, QStringView text) {
  Sink sink(out);
  for (qsizetype i = 0; i < text.size();) {
    const char16_t c = text[i].unicode();
    if (c >= 128) {
      sink.PutReference(NextCodePoint(text, i));
    } else {
      sink.Put(static_cast<char>(c));
      ++i;
    }
  }
}

void AppendEscapedAttribute(QByteArray& out, QStringView value) {
  Sink sink(out);
  for (qsizetype i = 0; i < value.size();) {
    const char16_t c = value[i].unicode();
    if (c >= 128) {
      sink.PutReference(NextCodePoint(value, i));
    } else if (c == '"') {
      sink.Put("&quot;");
      ++i;
    } else {
      sink.Put(static_cast<char>(c));
      ++i;
    }
  }
}

}  // namespace moxa::rt
