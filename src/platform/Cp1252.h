#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace forgeline::platform {

// Windows-1252, the 8-bit text of the game's files, to and from UTF-8. The five bytes the code
// page leaves undefined map to the control characters of the same value, as Windows maps
// them, so every byte survives a round trip.
std::string Cp1252ToUtf8(std::string_view bytes);
std::optional<std::string> Utf8ToCp1252(std::string_view text);

} // namespace forgeline::platform
