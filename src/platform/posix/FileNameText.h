#pragma once

#include <string>
#include <string_view>

namespace forgeline::platform {

// A POSIX file name is bytes; in the program it is UTF-8 text. A byte that is not part of valid
// UTF-8 becomes one private-use character, U+EF80 to U+EFFF, and comes back as that byte, so a
// name listed from a folder names the same file when it is opened, passed on or shown by Qt.
// Valid UTF-8 of those characters is carried byte by byte the same way, so no two names meet.
std::string FileNameToText(std::string_view bytes);
std::string TextToFileName(std::string_view text);

} // namespace forgeline::platform
