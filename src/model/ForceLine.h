#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace forgeline {

// The eight editable fields of one ship, each kept as the text it was entered as.
struct ForceEntry {
    std::string nation;
    std::string shipClass;
    std::string name;
    std::string x;
    std::string y;
    std::string heading;
    std::string warp;
    std::string marker;
};

// Positions of the fields within a force line.
enum class ForceField {
    Nation = 0,
    Class = 1,
    Name = 2,
    X = 3,
    Y = 4,
    Heading = 5,
    Warp = 6,
    Marker = 7,
    Tail = 8,
};

// Fields joined by single spaces, ending in " ()".
std::string FormatForceLine(const ForceEntry& entry);

// Cuts the line at every single space; empty pieces stay in place.
std::vector<std::string> SplitForceLine(std::string_view line);

// The piece at a field position, or empty text when a short (hand-edited) line has no such
// piece. Every reader of a line's fields goes through this, so short lines never fault.
std::string ForcePiece(const std::vector<std::string>& pieces, ForceField field);
std::string ForcePiece(std::string_view line, ForceField field);

// The piece at a field position as a view into the line; nothing when the line is too short.
std::optional<std::string_view> FindForcePiece(std::string_view line, ForceField field);
std::optional<std::u16string_view> FindForcePiece(std::u16string_view line, ForceField field);

// The entry fields of a line as a reader of pieces 0 to 7 sees them.
ForceEntry ForceEntryFromLine(std::string_view line);

} // namespace forgeline
