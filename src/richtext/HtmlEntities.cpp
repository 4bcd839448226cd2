#include "richtext/HtmlEntities.h"

#include <algorithm>
#include <array>

namespace moxa::rt {

namespace {

using namespace std::string_view_literals;

constexpr NamedCharRef kNbspAsSpace{"nbsp"sv, " "sv, true};

bool IsAsciiAlnum(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

int DigitValue(char c, bool hex) {
  if (c >= '0' && c <= '9') return c - '0';
  if (!hex) return -1;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// What Windows-1252 makes of the bytes 0x80 to 0x9F; 0 where it leaves the
// code point as it is.
constexpr std::array<char16_t, 32> kWindows1252Controls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// Above this a value is out of range whatever digits follow; counting stops
// there so that long numbers do not overflow.
constexpr std::uint32_t kOutOfRange = 0x110000;

}  // namespace

const NamedCharRef* FindNamedCharRef(std::string_view name) {
  if (name.empty() || name.size() > kLongestCharRefName) return nullptr;
  const NamedCharRef* ref = LookupNamedCharRef(name);
  return ref && ref->name == "nbsp"sv ? &kNbspAsSpace : ref;
}

NamedCharRefMatch MatchNamedCharRef(std::string_view text) {
  const size_t limit = std::min(text.size(), kLongestCharRefName + 1);
  size_t run = 0;
  while (run < limit && IsAsciiAlnum(text[run])) ++run;
  if (run < text.size() && text[run] == ';') {
    if (const NamedCharRef* ref = FindNamedCharRef(text.substr(0, run))) return {ref, run + 1};
  }
  for (size_t length = std::min(run, kLongestLegacyCharRefName); length > 0; --length) {
    const NamedCharRef* ref = FindNamedCharRef(text.substr(0, length));
    if (ref && ref->legacy) return {ref, length};
  }
  return {};
}

NumericCharRefMatch MatchNumericCharRef(std::string_view text) {
  if (text.empty() || text[0] != '#') return {};
  size_t i = 1;
  const bool hex = i < text.size() && (text[i] == 'x' || text[i] == 'X');
  if (hex) ++i;
  const size_t digits = i;
  const std::uint32_t base = hex ? 16 : 10;
  std::uint32_t value = 0;
  for (; i < text.size(); ++i) {
    const int digit = DigitValue(text[i], hex);
    if (digit < 0) break;
    value = std::min(value * base + static_cast<std::uint32_t>(digit), kOutOfRange);
  }
  if (i == digits) return {};
  if (i < text.size() && text[i] == ';') ++i;
  return {NumericCharRefCharacter(value), i};
}

char32_t NumericCharRefCharacter(std::uint32_t value) {
  if (value == 0 || value >= kOutOfRange || (value >= 0xD800 && value <= 0xDFFF)) return 0xFFFD;
  if (value >= 0x80 && value <= 0x9F) {
    const char16_t mapped = kWindows1252Controls[value - 0x80];
    return mapped ? mapped : value;
  }
  return value;
}

}  // namespace moxa::rt
