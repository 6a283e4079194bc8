#pragma once

#include <optional>
#include <string>
#include <string_view>
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

// The code of the nation of exactly that name, or nothing for a name not in the catalogue.
std::optional<int> NationCode(std::string_view name);

// The nation of that code offers the class (exact name).
bool IsClassOfNation(int nationCode, std::string_view shipClass);

inline constexpr const char* PlayerMarker = "<player>";
inline constexpr const char* InternalMarker = "<internal>";

// "<player>", "<internal>".
const std::vector<std::string>& ControllerMarkers();

} // namespace forgeline
