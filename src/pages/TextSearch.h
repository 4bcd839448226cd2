#pragma once

#include <QByteArray>

namespace moxa {

// Searches over 8-bit page text. Positions are 1-based and 0 means "not
// found", as the menu and head rewriting is written in those terms.

// First occurrence of `sub` in `s` that begins at or after `offset` (>= 1).
qsizetype PosFrom(const QByteArray& sub, const QByteArray& s, qsizetype offset);

// Rightmost occurrence of `sub` in `s` whose last character lies at or
// before `start`. With `wholeWord`, a match touching a letter or digit on
// either side is skipped. Without `caseSensitive`, ASCII letters compare
// case-free.
qsizetype ReversePos(const QByteArray& sub, const QByteArray& s, qsizetype start, bool wholeWord,
                     bool caseSensitive);

// A copy with ASCII letters A-Z lowered; other bytes (UTF-8 included) kept.
QByteArray AsciiLower(const QByteArray& s);

// 0-based index of `needle` in `haystack` at or after `from`, ignoring
// ASCII case, or -1.
qsizetype IndexOfIgnoringAsciiCase(const QByteArray& haystack, const QByteArray& needle,
                                   qsizetype from = 0);

}  // namespace moxa
