#include "editor/CompileChecks.h"

#include "editor/CommandMessages.h"
#include "editor/TitleCheck.h"
#include "model/ForceLine.h"
#include "model/ShipCatalogue.h"

#include <algorithm>

namespace forgeline {

bool HasPlayerShip(const std::vector<std::string>& forceLines) {
    return std::any_of(forceLines.begin(), forceLines.end(), [](const std::string& line) {
        return FindForcePiece(line, ForceField::Marker) == PlayerMarker;
    });
}

std::optional<std::string> CompileRefusal(const std::string& title,
                                          const std::vector<std::string>& forceLines) {
    if (title.empty()) {
        return TitleRequiredMessage;
    }
    if (forceLines.empty()) {
        return NoForcesMessage;
    }
    if (!HasPlayerShip(forceLines)) {
        return NoPlayerShipMessage;
    }
    if (Status usable = CheckTitleAsFileName(title); !usable) {
        return CompileFailureMessage(usable.failure());
    }
    return std::nullopt;
}

} // namespace forgeline
