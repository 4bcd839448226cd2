// The HTML tokenizer and its helpers on any bytes. Besides crashes it
// checks what must always hold: every Next moves on, every line feed is
// counted once, and each text token equals a plain byte-by-byte reading of
// its run. The first byte chooses the tokenizer's settings.
#include "richtext/HtmlEntities.h"
#include "richtext/HtmlHelpers.h"
#include "richtext/HtmlParser.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

using namespace moxa::rt;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

void PutUtf8(std::string& out, int code) {
  if (code >= 0xD800 && code <= 0xDFFF) code = 0xFFFD;
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
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
    const size_t semicolon = run.find(';', i + 1);
    const size_t nameEnd = semicolon == std::string::npos ? run.size() : semicolon;
    const std::string name = run.substr(i + 1, nameEnd - i - 1);
    i = semicolon == std::string::npos ? run.size() : semicolon + 1;
    inSpaceRun = false;
    if (!name.empty() && name[0] == '#') {
      long value = 0;
      bool number = name.size() > 1;
      for (size_t k = 1; k < name.size() && number; ++k) {
        number = name[k] >= '0' && name[k] <= '9';
        value = std::min(value * 10 + (name[k] - '0'), 100000L);
      }
      if (number && value >= 1 && value <= 0xFFFF) PutUtf8(out, static_cast<int>(value));
    } else if (const int code = LookupCharRef(name); code >= 0) {
      PutUtf8(out, code);
    } else {
      out += '&';
      for (char c : name) put(c);
      out += ';';
      inSpaceRun = false;
    }
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
