#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace moxa::rt {

// One named character reference of HTML, as browsers read it.
struct NamedCharRef {
  std::string_view name;  // without "&" and ";"
  std::string_view text;  // the UTF-8 of the one or two characters it stands for
  bool legacy;            // also read without the ";" ("&copy", "&amp")
};

// Every named reference of HTML (2125 names, 106 of them legacy: 2231
// spellings), sorted by the bytes of their names. Generated from the HTML
// standard's list by tools/entities/make-entity-table.py, with a hash index
// for the lookup below.
std::span<const NamedCharRef> NamedCharRefTable();

// The entry of the table called exactly `name`, or nullptr.
const NamedCharRef* LookupNamedCharRef(std::string_view name);

// The longest name of the table, and the longest legacy one: a reader looks
// no further for the end of a name.
inline constexpr size_t kLongestCharRefName = 31;
inline constexpr size_t kLongestLegacyCharRefName = 6;

}  // namespace moxa::rt
