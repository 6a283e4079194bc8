#include "editor/CompileChecks.h"

#include "editor/CommandMessages.h"
#include "files/TitleFileName.h"
#include "model/ForceLine.h"
#include "model/ShipCatalogue.h"

namespace forgeline {

Result<bool> HasPlayerShip(const std::vector<std::string>& forceLines) {
    for (std::size_t at = 0; at < forceLines.size(); ++at) {
        const auto marker = FindForcePiece(forceLines[at], ForceField::Marker);
        if (!marker) {
            return Failure{OwnFailureCode,
                           "The force line " + std::to_string(at + 1) +
                               " has fewer than eight fields, so it has no controller."};
        }
        if (*marker == PlayerMarker) {
            return true;
        }
    }
    return false;
}

std::optional<std::string> CompileRefusal(const std::string& title,
                                          const std::vector<std::string>& forceLines,
                                          std::string_view programFolder) {
    if (title.empty()) {
        return TitleRequiredMessage;
    }
    if (forceLines.empty()) {
        return NoForcesMessage;
    }
    const Result<bool> player = HasPlayerShip(forceLines);
    if (!player) {
        return CompileFailureMessage(player.failure());
    }
    if (!*player) {
        return NoPlayerShipMessage;
    }
    if (Status usable = CheckTitleAsFileName(title, programFolder); !usable) {
        return CompileFailureMessage(usable.failure());
    }
    return std::nullopt;
}

} // namespace forgeline
