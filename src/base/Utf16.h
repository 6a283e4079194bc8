#pragma once

#include <string>
#include <string_view>

namespace forgeline {

// UTF-16, as the windows' lists hold text, in UTF-8; a surrogate without its pair becomes
// U+FFFD, as Qt converts it.
std::string Utf8Of(std::u16string_view text);

} // namespace forgeline
