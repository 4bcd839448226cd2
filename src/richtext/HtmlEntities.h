#pragma once

#include "richtext/HtmlEntityTable.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace moxa::rt {

// How the HTML reader reads character references in text: as browsers do,
// with every named reference of HTML and every code point up to U+10FFFF.
// What is not a reference stays as written, "&" included.

// The named reference called exactly `name` (without "&" and ";"), or
// nullptr. Names are case-sensitive ("Auml", "auml"). "nbsp" gives an
// ordinary space: the writer puts "&nbsp;" for the spaces whose width must
// show (at the ends of a text, every second one of a run), so they have to
// come back as the spaces they were.
const NamedCharRef* FindNamedCharRef(std::string_view name);

struct NamedCharRefMatch {
  const NamedCharRef* ref = nullptr;  // nullptr: `text` begins no named reference
  size_t length = 0;                  // the bytes of `text` it takes, a ";" included
};

// The named reference that `text`, the bytes after an "&", begins with: its
// whole run of letters and digits when that is a name and a ";" follows,
// otherwise the longest legacy name the run begins with ("&copy2024" gives
// the copyright sign and leaves "2024"; "&notin;" is one sign, "&notit;"
// is "not" and "it;").
NamedCharRefMatch MatchNamedCharRef(std::string_view text);

struct NumericCharRefMatch {
  char32_t code = 0;
  size_t length = 0;  // the bytes of `text` it takes; 0: not a reference
};

// The numeric reference that `text`, the bytes after an "&", begins with:
// "#" and decimal digits, or "#x" or "#X" and hexadecimal digits, then an
// optional ";". Without digits there is none ("&#;" stays as written).
NumericCharRefMatch MatchNumericCharRef(std::string_view text);

// The character that browsers give for a numeric reference of `value`: the
// replacement character U+FFFD for 0, a surrogate or anything above U+10FFFF,
// the Windows-1252 character for 0x80 to 0x9F ("&#150;" is an en dash), and
// the code point itself otherwise.
char32_t NumericCharRefCharacter(std::uint32_t value);

}  // namespace moxa::rt
