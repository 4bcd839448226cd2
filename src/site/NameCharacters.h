#pragma once

#include <string_view>

namespace moxa {

// The characters that a typed site name or page file name loses, removed
// one after the other in this order (the tilde first, the question mark last).
inline constexpr std::u16string_view kForbiddenNameCharacters = u"~!@#$%^&*()_,./{}\\|+=[];':\"<>?";

}  // namespace moxa
