#include "model/ForceChecks.h"

#include "model/ForceLine.h"

namespace forgeline {

bool IsEntryComplete(int nationPosition, int classPosition, int markerPosition,
                     std::string_view name) {
    return nationPosition != NoSelection && classPosition != NoSelection && !name.empty() &&
           markerPosition != NoSelection;
}

std::optional<std::string_view> NameForClash(std::string_view line) {
    return FindForcePiece(line, ForceField::Name);
}

bool IsNameTaken(const std::vector<std::string>& forceLines, std::string_view name) {
    for (const std::string& line : forceLines) {
        // A line too short to have a name clashes with nothing, not even an empty name.
        if (NameForClash(line) == name) {
            return true;
        }
    }
    return false;
}

std::string ShipCountText(std::size_t lineCount) {
    return std::to_string(lineCount);
}

} // namespace forgeline
