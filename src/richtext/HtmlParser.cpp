#include "richtext/HtmlParser.h"

#include "richtext/HtmlEntities.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

namespace moxa::rt {

namespace {

// Byte classes, one table lookup per byte in the loops below.
enum ByteClass : std::uint8_t {
  kSpace = 1,        // tab, line feed, carriage return, space
  kTagNameEnd = 2,   // NUL, white space, "/", ">"
  kAttrNameEnd = 4,  // NUL, white space, "=", ">"
  kValueEnd = 8,     // NUL, white space, ">"
};

constexpr std::array<std::uint8_t, 256> MakeClasses() {
  std::array<std::uint8_t, 256> classes{};
  for (unsigned char c : {'\t', '\n', '\r', ' '}) {
    classes[c] = kSpace | kTagNameEnd | kAttrNameEnd | kValueEnd;
  }
  classes[0] = kTagNameEnd | kAttrNameEnd | kValueEnd;
  classes['/'] = kTagNameEnd;
  classes['>'] = kTagNameEnd | kAttrNameEnd | kValueEnd;
  classes['='] = kAttrNameEnd;
  return classes;
}
constexpr std::array<std::uint8_t, 256> kClasses = MakeClasses();

bool Is(char c, ByteClass cls) { return (kClasses[static_cast<unsigned char>(c)] & cls) != 0; }

const char* SkipSpaces(const char* q, const char* end) {
  while (q < end && Is(*q, kSpace)) ++q;
  return q;
}

const char* FindByte(const char* from, const char* end, char c) {
  const void* at = std::memchr(from, c, static_cast<size_t>(end - from));
  return at ? static_cast<const char*>(at) : nullptr;
}

char* PutUtf8(char* out, int code) {
  if (code >= 0xD800 && code <= 0xDFFF) code = 0xFFFD;  // a lone surrogate is no character
  if (code < 0x80) {
    *out++ = static_cast<char>(code);
  } else if (code < 0x800) {
    *out++ = static_cast<char>(0xC0 | (code >> 6));
    *out++ = static_cast<char>(0x80 | (code & 0x3F));
  } else {
    *out++ = static_cast<char>(0xE0 | (code >> 12));
    *out++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (code & 0x3F));
  }
  return out;
}

// "#" and a decimal number from 1 to 65535; 0 for anything else (a
// hexadecimal form, 0, a number out of range, no digits).
int DecimalReference(std::string_view digits) {
  if (digits.empty()) return 0;
  int value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + (c - '0');
    if (value > 0xFFFF) return 0;
  }
  return value;
}

// Without white-space collapsing, CR LF becomes the CR alone.
qsizetype DropLineFeedsAfterReturns(char* text, qsizetype size) {
  qsizetype kept = 0;
  for (qsizetype i = 0; i < size; ++i) {
    if (text[i] == '\n' && kept > 0 && text[kept - 1] == '\r') continue;
    text[kept++] = text[i];
  }
  return kept;
}

}  // namespace

THtmlParser::THtmlParser(QByteArray text) : OrgText(std::move(text)) {}

void THtmlParser::Next() {
  if (Done()) {
    TagName.resize(0);
    TagParams.Clear();
    CurrBlock = cbText;
    return;
  }
  const char* p = OrgText.constData() + P;
  const qsizetype left = OrgText.size() - P;
  if (*p != '<') {
    ReadText();
  } else if (left >= 4 && p[1] == '!' && p[2] == '-' && p[3] == '-') {
    ReadComment();
  } else {
    ReadTag();
  }
}

void THtmlParser::CountLines(qsizetype from, qsizetype to) {
  const char* begin = OrgText.constData();
  CurrLine += static_cast<int>(std::count(begin + from, begin + to, '\n'));
}

void THtmlParser::ReadComment() {
  const std::string_view text(OrgText.constData(), static_cast<size_t>(OrgText.size()));
  const size_t close = text.find("-->", static_cast<size_t>(P) + 4);
  // An unclosed comment swallows the input up to its last two bytes, which
  // then come as a text token.
  const qsizetype end = close == std::string_view::npos ? OrgText.size() - 2
                                                       : static_cast<qsizetype>(close) + 3;
  TagName.resize(end - P);
  std::memcpy(TagName.data(), OrgText.constData() + P, static_cast<size_t>(end - P));
  TagParams.Clear();
  CurrBlock = cbComment;
  CountLines(P, end);
  P = end;
}

void THtmlParser::ReadTag() {
  TagParams.Clear();
  const char* begin = OrgText.constData();
  const char* end = begin + OrgText.size();
  const char* nameStart = begin + P + 1;
  // The byte after "<" belongs to the name whatever it is: </P> gives "/P".
  const char* q = nameStart < end ? nameStart + 1 : end;
  while (q < end && !Is(*q, kTagNameEnd)) ++q;
  TagName.resize(q - nameStart);
  if (q > nameStart) std::memcpy(TagName.data(), nameStart, static_cast<size_t>(q - nameStart));
  if (q < end && Is(*q, kSpace)) q = ReadAttributes(q, end);
  if (q < end && *q == '/') ++q;
  if (q < end && *q == '>') ++q;
  CurrBlock = cbTag;
  const qsizetype next = q - begin;
  CountLines(P, next);
  P = next;
}

const char* THtmlParser::ReadAttributes(const char* q, const char* end) {
  for (;;) {
    q = SkipSpaces(q, end);
    // A NUL ends the attributes as the end of the input does; reading on
    // would find an empty name there again and again.
    if (q == end || *q == '>' || *q == '\0') return q;
    const char* name = q;
    while (q < end && !Is(*q, kAttrNameEnd)) ++q;
    const std::string_view nameText(name, static_cast<size_t>(q - name));
    q = SkipSpaces(q, end);
    if (q == end || *q != '=') {
      TagParams.AddPair(nameText, {}, false, true);
      continue;
    }
    q = SkipSpaces(q + 1, end);
    const char* value = q;
    if (q < end && (*q == '"' || *q == '\'')) {
      value = q + 1;
      const char* close = FindByte(value, end, *q);
      q = close ? close : end;
      TagParams.AddPair(nameText, std::string_view(value, static_cast<size_t>(q - value)), true,
                        true);
      if (q < end) ++q;                 // the closing quote
      if (q < end && *q == ' ') ++q;    // and one space after it
      continue;
    }
    while (q < end && !Is(*q, kValueEnd)) ++q;
    TagParams.AddPair(nameText, std::string_view(value, static_cast<size_t>(q - value)), true,
                      true);
  }
}

void THtmlParser::ReadText() {
  const char* begin = OrgText.constData();
  const char* end = begin + OrgText.size();
  const char* p = begin + P;
  // A run ends before the next "<" or after the next line feed.
  const char* lt = FindByte(p, end, '<');
  if (!lt) lt = end;
  const char* lineFeed = FindByte(p, lt, '\n');
  const char* runEnd = lineFeed ? lineFeed + 1 : lt;

  // References never grow the text; an unclosed one adds its ";".
  TagName.resize(runEnd - p + 1);
  char* const out = TagName.data();
  char* o = out;
  // After a space, the collapsed space that would start this run is dropped.
  bool inSpaceRun = RemoveSpaces && LastWasSpace && Is(*p, kSpace);
  while (p < runEnd) {
    const char c = *p;
    if (RemoveSpaces && Is(c, kSpace)) {
      if (!inSpaceRun) *o++ = ' ';
      inSpaceRun = true;
      ++p;
      continue;
    }
    inSpaceRun = false;
    if (c == '&') {
      ++p;
      o = DecodeReference(p, runEnd, o, inSpaceRun);
      continue;
    }
    *o++ = c;
    ++p;
  }
  qsizetype size = o - out;
  if (!RemoveSpaces) size = DropLineFeedsAfterReturns(out, size);
  TagName.resize(size);
  if (size > 0) LastWasSpace = TagName.back() == ' ';
  if (lineFeed) ++CurrLine;
  P = runEnd - begin;
  TagParams.Clear();
  CurrBlock = cbText;
}

char* THtmlParser::DecodeReference(const char*& p, const char* runEnd, char* out,
                                   bool& inSpaceRun) const {
  // The name runs to the next ";" of the run, or to the run's end.
  const char* semicolon = FindByte(p, runEnd, ';');
  const char* nameEnd = semicolon ? semicolon : runEnd;
  const std::string_view name(p, static_cast<size_t>(nameEnd - p));
  p = semicolon ? semicolon + 1 : runEnd;
  if (!name.empty() && name.front() == '#') {
    const int code = DecimalReference(name.substr(1));
    return code > 0 ? PutUtf8(out, code) : out;
  }
  const int code = LookupCharRef(name);
  if (code >= 0) return PutUtf8(out, code);
  // Unknown: kept as "&", the name and ";". Its white space is collapsed
  // like the rest of the run, so no raw line break slips into normal text.
  *out++ = '&';
  for (char c : name) {
    if (RemoveSpaces && Is(c, kSpace)) {
      if (!inSpaceRun) *out++ = ' ';
      inSpaceRun = true;
      continue;
    }
    inSpaceRun = false;
    *out++ = c;
  }
  *out++ = ';';
  inSpaceRun = false;
  return out;
}

}  // namespace moxa::rt
