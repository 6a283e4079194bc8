#pragma once

#include <string>
#include <vector>

namespace forgeline {

struct Nation {
    std::string name;
    int code;
};

// The four nations in catalogue order; each code equals its position.
const std::vector<Nation>& Nations();

// The classes a nation offers, in catalogue order; empty for any code but 0 to 3.
const std::vector<std::string>& ClassesForNation(int nationCode);

inline constexpr const char* PlayerMarker = "<player>";
inline constexpr const char* InternalMarker = "<internal>";

// "<player>", "<internal>".
const std::vector<std::string>& ControllerMarkers();

} // namespace forgeline
