#pragma once

#include <string_view>

namespace moxa::rt {

// The character reference table of the HTML reader: 100 names, each giving
// one character of Latin-1: "nbsp" (an ordinary space, 32), "quot", "amp",
// "lt", "gt", and the 95 Latin-1 names from "iexcl" (161) to "yuml" (255).
// Names are case-sensitive ("Auml" 196, "auml" 228). -1 for any other name.
int LookupCharRef(std::string_view name);

// Every name of the table, for tests.
int CharRefCount();

}  // namespace moxa::rt
