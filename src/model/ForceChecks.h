#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace forgeline {

// A list's selected position; -1 when nothing is selected.
inline constexpr int NoSelection = -1;

// A nation, a class and a marker are selected and the name is not empty. Positions and
// numbers are not part of the test.
bool IsEntryComplete(int nationPosition, int classPosition, int markerPosition,
                     std::string_view name);

// The name a line carries for the clash test, or nothing for a line too short to have one.
std::optional<std::string_view> NameForClash(std::string_view line);

// Some line's name piece equals the candidate exactly (case-sensitive, untrimmed).
bool IsNameTaken(const std::vector<std::string>& forceLines, std::string_view name);

// The number of lines as decimal text, "0" for an empty list.
std::string ShipCountText(std::size_t lineCount);

} // namespace forgeline
