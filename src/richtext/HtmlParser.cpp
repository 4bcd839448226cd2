#include "richtext/HtmlParser.h"

#include "richtext/HtmlEntities.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <array>
#include <cstdint>
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
  kAmpersand = 16,
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
  classes['&'] = kAmpersand;
  return classes;
}
constexpr std::array<std::uint8_t, 256> kClasses = MakeClasses();

bool Is(char c, ByteClass cls) { return (kClasses[static_cast<unsigned char>(c)] & cls) != 0; }

const char* SkipSpaces(const char* q, const char* end, int& lineFeeds) {
  while (q < end && Is(*q, kSpace)) lineFeeds += *q++ == '\n';
  return q;
}

int CountLineFeeds(const char* from, const char* to) {
  return static_cast<int>(std::count(from, to, '\n'));
}

// memchr, with the first 16 bytes looked at here: what is searched for
// (a closing quote) is mostly near, and the call costs more.
const char* FindByte(const char* from, const char* end, char c) {
#if defined(__SSE2__)
  if (end - from >= 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
    const int hits = _mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8(c)));
    if (hits != 0) return from + __builtin_ctz(static_cast<unsigned>(hits));
    from += 16;
  }
#endif
  const void* at = std::memchr(from, c, static_cast<size_t>(end - from));
  return at ? static_cast<const char*>(at) : nullptr;
}

char* PutUtf8(char* out, char32_t code) {
  if (code >= 0xD800 && code <= 0xDFFF) code = 0xFFFD;  // a lone surrogate is no character
  if (code < 0x80) {
    *out++ = static_cast<char>(code);
  } else if (code < 0x800) {
    *out++ = static_cast<char>(0xC0 | (code >> 6));
    *out++ = static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    *out++ = static_cast<char>(0xE0 | (code >> 12));
    *out++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (code & 0x3F));
  } else {
    *out++ = static_cast<char>(0xF0 | (code >> 18));
    *out++ = static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    *out++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (code & 0x3F));
  }
  return out;
}

// The end of a text run: the next "<", or just after the next line feed,
// or the end of the input. One pass instead of two searches.
const char* FindRunEnd(const char* p, const char* end) {
#if defined(__SSE2__)
  const __m128i less = _mm_set1_epi8('<');
  const __m128i lineFeed = _mm_set1_epi8('\n');
  while (end - p >= 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const int hits = _mm_movemask_epi8(
        _mm_or_si128(_mm_cmpeq_epi8(block, less), _mm_cmpeq_epi8(block, lineFeed)));
    if (hits != 0) {
      const char* at = p + __builtin_ctz(static_cast<unsigned>(hits));
      return *at == '<' ? at : at + 1;
    }
    p += 16;
  }
#endif
  for (; p < end; ++p) {
    if (*p == '<') return p;
    if (*p == '\n') return p + 1;
  }
  return end;
}

// Copies the bytes that collapsing leaves unchanged, 16 at a time, up to
// the first byte that needs the byte loop: "&", tab, line feed, carriage
// return, a space after white space, or the run's end. A block is stored
// whole and only its plain part counted, so the output needs 16 bytes of
// room past the run.
void CopyPlainBytes(const char*& p, const char* runStart, const char* runEnd,
                    const char* inputEnd, char*& o) {
#if defined(__SSE2__)
  const __m128i space = _mm_set1_epi8(' ');
  const __m128i ampersand = _mm_set1_epi8('&');
  const __m128i tab = _mm_set1_epi8('\t');
  const __m128i lineFeed = _mm_set1_epi8('\n');
  const __m128i carriageReturn = _mm_set1_epi8('\r');
  while (p < runEnd && inputEnd - p >= 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i others =
        _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(block, ampersand), _mm_cmpeq_epi8(block, tab)),
                     _mm_or_si128(_mm_cmpeq_epi8(block, lineFeed),
                                  _mm_cmpeq_epi8(block, carriageReturn)));
    const unsigned spaces = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, space)));
    // At the run's start a leading space may have to be dropped: stop there.
    const unsigned before = (p == runStart || Is(p[-1], kSpace)) ? 1u : 0u;
    unsigned stop = static_cast<unsigned>(_mm_movemask_epi8(others)) |
                    (spaces & ((spaces << 1) | before));
    if (runEnd - p < 16) stop |= ~0u << (runEnd - p);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(o), block);
    const int plain = stop ? __builtin_ctz(stop) : 16;
    p += plain;
    o += plain;
    if (plain < 16) return;
  }
#else
  (void)p;
  (void)runStart;
  (void)runEnd;
  (void)inputEnd;
  (void)o;
#endif
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

// Flattened: the token readers are called from here only, and their calls
// cost more than their work on short tokens.
[[gnu::flatten]] void THtmlParser::Next() {
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
  CurrLine += CountLineFeeds(OrgText.constData() + P, OrgText.constData() + end);
  P = end;
}

void THtmlParser::ReadTag() {
  TagParams.Clear();
  const char* begin = OrgText.constData();
  const char* end = begin + OrgText.size();
  const char* nameStart = begin + P + 1;
  // The byte after "<" belongs to the name whatever it is: </P> gives "/P".
  const char* q = nameStart < end ? nameStart + 1 : end;
  if (q > nameStart && *nameStart == '\n') ++CurrLine;
  while (q < end && !Is(*q, kTagNameEnd)) ++q;
  TagName.resize(q - nameStart);
  if (q > nameStart) std::memcpy(TagName.data(), nameStart, static_cast<size_t>(q - nameStart));
  if (q < end && Is(*q, kSpace)) q = ReadAttributes(q, end);
  if (q < end && *q == '/') ++q;
  if (q < end && *q == '>') ++q;
  CurrBlock = cbTag;
  P = q - begin;
}

const char* THtmlParser::ReadAttributes(const char* q, const char* end) {
  // Line feeds in a tag stand in white space or in quoted values.
  int lines = 0;
  for (;;) {
    q = SkipSpaces(q, end, lines);
    // A NUL ends the attributes as the end of the input does; reading on
    // would find an empty name there again and again.
    if (q == end || *q == '>' || *q == '\0') {
      CurrLine += lines;
      return q;
    }
    const char* name = q;
    while (q < end && !Is(*q, kAttrNameEnd)) ++q;
    const std::string_view nameText(name, static_cast<size_t>(q - name));
    q = SkipSpaces(q, end, lines);
    if (q == end || *q != '=') {
      TagParams.AddPair(nameText, {}, false, true);
      continue;
    }
    q = SkipSpaces(q + 1, end, lines);
    const char* value = q;
    if (q < end && (*q == '"' || *q == '\'')) {
      value = q + 1;
      const char* close = FindByte(value, end, *q);
      q = close ? close : end;
      lines += CountLineFeeds(value, q);
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
  const char* const runEnd = FindRunEnd(p, end);
  const char* const runStart = p;
  const bool endsLine = runEnd[-1] == '\n';

  // Built in a buffer of our own, then copied once: cheaper than sizing
  // TagName twice. A reference's decoding is at most 6/5 of its text
  // ("&nGt;" gives 6 bytes); the block copy needs 16 bytes of room besides.
  const size_t runSize = static_cast<size_t>(runEnd - p);
  const size_t room = runSize + runSize / 4 + 1 + 16;
  if (scratch_.size() < room) scratch_.resize(room);
  char* const out = scratch_.data();
  char* o = out;
  const std::uint8_t special = RemoveSpaces ? (kSpace | kAmpersand) : kAmpersand;
  // After a space, the collapsed space that would start this run is dropped.
  const bool dropSpace = RemoveSpaces && LastWasSpace && Is(*p, kSpace);
  while (p < runEnd) {
    // Ordinary bytes are copied as they are, the common case.
    if (RemoveSpaces) CopyPlainBytes(p, runStart, runEnd, end, o);
    while (p < runEnd && !(kClasses[static_cast<unsigned char>(*p)] & special)) *o++ = *p++;
    if (p == runEnd) break;
    if (*p == '&') {
      const Decoded decoded = DecodeReference(p + 1, runEnd, o);
      p = decoded.next;
      o = decoded.out;
      continue;
    }
    // A run of white space becomes one space. The block copy may stop inside
    // a run, so the byte before tells whether this one is already written.
    const bool continuesRun = p > runStart ? Is(p[-1], kSpace) : dropSpace;
    if (!continuesRun) *o++ = ' ';
    do {
      ++p;
    } while (p < runEnd && Is(*p, kSpace));
  }
  qsizetype size = o - out;
  if (!RemoveSpaces) size = DropLineFeedsAfterReturns(out, size);
  TagName.resize(size);
  if (size > 0) {
    std::memcpy(TagName.data(), out, static_cast<size_t>(size));
    LastWasSpace = out[size - 1] == ' ';
  }
  if (endsLine) ++CurrLine;
  P = runEnd - begin;
  TagParams.Clear();
  CurrBlock = cbText;
}

THtmlParser::Decoded THtmlParser::DecodeReference(const char* p, const char* runEnd,
                                                  char* out) const {
  const std::string_view text(p, static_cast<size_t>(runEnd - p));
  if (!text.empty() && text.front() == '#') {
    const NumericCharRefMatch numeric = MatchNumericCharRef(text);
    if (numeric.length > 0) return {p + numeric.length, PutUtf8(out, numeric.code)};
  } else if (const NamedCharRefMatch named = MatchNamedCharRef(text); named.ref) {
    const std::string_view decoded = named.ref->text;
    std::memcpy(out, decoded.data(), decoded.size());
    return {p + named.length, out + decoded.size()};
  }
  // No reference: the "&" stands for itself and what follows is read as
  // any text ("AT&T" stays "AT&T").
  *out++ = '&';
  return {p, out};
}

}  // namespace moxa::rt
