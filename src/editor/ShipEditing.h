#pragma once

#include "model/ForceChecks.h"
#include "model/ForceLine.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace forgeline {

inline constexpr const char* NameTakenMessage = "Ship name already taken.";
inline constexpr const char* IncompleteEntryMessage = "Complete the ship information please.";

// The ship being edited as the entry fields hold it: the selected positions of the nation,
// class and controller lists and the shown texts of every field.
struct ShipEntry {
    int nationPosition = NoSelection;
    int classPosition = NoSelection;
    int markerPosition = NoSelection;
    ForceEntry fields;
};

struct AddShipDecision {
    // Shown to the user when the ship is refused.
    std::optional<std::string> message;
    // Appended to the forces when the ship is accepted.
    std::optional<std::string> newLine;
    bool refreshCount = false;
};

// A taken name is refused first and leaves even the count alone; an incomplete entry is
// refused with the count refreshed.
AddShipDecision DecideAddShip(const std::vector<std::string>& forceLines, const ShipEntry& entry);

struct EditShipDecision {
    std::optional<std::string> message;
    // Put in place of the line at `index`; nothing leaves the list as it is.
    std::optional<std::string> newLine;
    int index = NoSelection;
};

// The line the edit index names, as the Edit Ship button's tag holds it in decimal, or nothing
// when the tag names no line of the list (never set, or the list was emptied or shortened).
std::optional<int> EditIndexFromTag(std::string_view tag, std::size_t lineCount);

// An incomplete entry is refused with a message, an edit index that names no line silently,
// and a name that another line carries with a message; the edited line may keep its own name.
EditShipDecision DecideEditShip(const std::vector<std::string>& forceLines, std::string_view tag,
                                const ShipEntry& entry);

} // namespace forgeline
