// The HTML tokenizer and its helpers on any bytes. Besides crashes it
// checks what must always hold: every Next moves on, every line feed is
// counted once, and each text token equals a plain byte-by-byte reading of
// its run. The first byte chooses the tokenizer's settings.
#include "richtext/HtmlEntities.h"
#include "richtext/HtmlHelpers.h"
#include "richtext/HtmlParser.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using namespace moxa::rt;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

void PutUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

bool IsAlnum(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// A reference at `i` (just after "&") read the plain way: every length
// tried. Appends its decoding and moves `i` past it; false when there is none.
bool PlainReference(const std::string& run, size_t& i, std::string& out) {
  if (i < run.size() && run[i] == '#') {
    size_t k = i + 1;
    const bool hex = k < run.size() && (run[k] == 'x' || run[k] == 'X');
    if (hex) ++k;
    const size_t digits = k;
    const std::string_view digitChars = hex ? "0123456789abcdef" : "0123456789";
    unsigned long long value = 0;
    for (; k < run.size(); ++k) {
      const size_t digit =
          digitChars.find(static_cast<char>(std::tolower(static_cast<unsigned char>(run[k]))));
      if (digit == std::string_view::npos) break;
      value = std::min(value * digitChars.size() + digit, 0x110000ULL);
    }
    if (k == digits) return false;
    if (k < run.size() && run[k] == ';') ++k;
    PutUtf8(out, NumericCharRefCharacter(static_cast<std::uint32_t>(value)));
    i = k;
    return true;
  }
  size_t end = i;
  while (end < run.size() && IsAlnum(run[end])) ++end;
  if (end < run.size() && run[end] == ';') {
    if (const NamedCharRef* ref = FindNamedCharRef(run.substr(i, end - i))) {
      out += ref->text;
      i = end + 1;
      return true;
    }
  }
  for (size_t length = end - i; length > 0; --length) {
    const NamedCharRef* ref = FindNamedCharRef(run.substr(i, length));
    if (ref && ref->legacy) {
      out += ref->text;
      i += length;
      return true;
    }
  }
  return false;
}

// The text-run rules read the plain way: collapse, references, the
// dropped leading space, CR LF without collapsing.
std::string PlainReading(const std::string& run, bool removeSpaces, bool& lastWasSpace) {
  std::string out;
  bool inSpaceRun = removeSpaces && lastWasSpace && !run.empty() && IsSpace(run[0]);
  auto put = [&](char c) {
    if (removeSpaces && IsSpace(c)) {
      if (!inSpaceRun) out += ' ';
      inSpaceRun = true;
    } else {
      out += c;
      inSpaceRun = false;
    }
  };
  for (size_t i = 0; i < run.size();) {
    if (run[i] != '&') {
      put(run[i++]);
      continue;
    }
    ++i;
    inSpaceRun = false;
    if (!PlainReference(run, i, out)) out += '&';
  }
  if (!removeSpaces) {
    std::string kept;
    for (char c : out) {
      if (!(c == '\n' && !kept.empty() && kept.back() == '\r')) kept += c;
    }
    out = kept;
  }
  if (!out.empty()) lastWasSpace = out.back() == ' ';
  return out;
}

void ExerciseHelpers(const THtmlParser& parser) {
  const QByteArray& text = parser.TagName;
  (void)ParseHtmlColor(text);
  (void)ParseListType(text, ltNone);
  (void)GetCssValue(text, "color");
  (void)GetCssValue(text, text.left(3));
  (void)DecodeEntitiesInText(RawToText(text, parser.Encoding));
  (void)ParseAlign(parser.TagParams, rtaLeft);
  for (int i = 0; i < parser.TagParams.Count(); ++i) {
    const QByteArray& param = parser.TagParams[i];
    const qsizetype eq = param.indexOf('=');
    if (eq >= 0) (void)parser.TagParams.GetValue(std::string_view(param.constData(), eq));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::uint8_t settings = data[0];
  const QByteArray input(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
  THtmlParser parser(input);
  parser.RemoveSpaces = (settings & 1) != 0;
  parser.LastWasSpace = (settings & 2) != 0;
  parser.Encoding = (settings & 4) ? rthtmleUTF8 : rthtmleANSI;
  bool lastWasSpace = parser.LastWasSpace;
  while (!parser.Done()) {
    const qsizetype start = parser.P;
    parser.Next();
    if (parser.P <= start || parser.P > input.size()) __builtin_trap();
    if (parser.CurrBlock == cbText) {
      const std::string run = input.mid(start, parser.P - start).toStdString();
      const std::string expected = PlainReading(run, parser.RemoveSpaces, lastWasSpace);
      if (parser.TagName.toStdString() != expected || parser.LastWasSpace != lastWasSpace) {
        __builtin_trap();
      }
    }
    lastWasSpace = parser.LastWasSpace;
    ExerciseHelpers(parser);
  }
  if (parser.CurrLine != 1 + input.count('\n')) __builtin_trap();
  return 0;
}
