#include "pages/TextSearch.h"

#include <algorithm>

namespace moxa {
namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

bool IsAsciiAlphanumeric(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool EqualAt(const QByteArray& s, qsizetype at, const QByteArray& sub, bool caseSensitive) {
  for (qsizetype j = 0; j < sub.size(); ++j) {
    const char a = s[at + j];
    const char b = sub[j];
    if (caseSensitive ? a != b : LowerAscii(a) != LowerAscii(b)) return false;
  }
  return true;
}

}  // namespace

qsizetype PosFrom(const QByteArray& sub, const QByteArray& s, qsizetype offset) {
  if (offset < 1) offset = 1;
  const qsizetype at = s.indexOf(sub, offset - 1);
  return at < 0 ? 0 : at + 1;
}

qsizetype ReversePos(const QByteArray& sub, const QByteArray& s, qsizetype start, bool wholeWord,
                     bool caseSensitive) {
  const qsizetype n = sub.size();
  if (n == 0 || start < n || s.size() < n) return 0;
  start = std::min(start, s.size());
  // Candidate end positions, 1-based, from `start` leftwards.
  for (qsizetype end = start; end >= n; --end) {
    const qsizetype first = end - n;  // 0-based index of the candidate's first byte
    if (!EqualAt(s, first, sub, caseSensitive)) continue;
    if (wholeWord) {
      const bool letterBefore = first > 0 && IsAsciiAlphanumeric(s[first - 1]);
      const bool letterAfter = end < s.size() && IsAsciiAlphanumeric(s[end]);
      if (letterBefore || letterAfter) continue;
    }
    return first + 1;
  }
  return 0;
}

QByteArray AsciiLower(const QByteArray& s) {
  QByteArray out(s);
  for (char& c : out) c = LowerAscii(c);
  return out;
}

qsizetype IndexOfIgnoringAsciiCase(const QByteArray& haystack, const QByteArray& needle,
                                   qsizetype from) {
  if (needle.isEmpty()) return from <= haystack.size() ? from : -1;
  const char first = LowerAscii(needle[0]);
  const qsizetype last = haystack.size() - needle.size();
  for (qsizetype i = std::max<qsizetype>(from, 0); i <= last; ++i) {
    if (LowerAscii(haystack[i]) == first && EqualAt(haystack, i, needle, false)) return i;
  }
  return -1;
}

}  // namespace moxa
