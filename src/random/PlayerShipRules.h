#pragma once

#include "random/RandomSource.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace forgeline {

// The name box's text until the user gives one.
inline constexpr const char* ShipNamePlaceholder = "ShipName";

// The entries of the player's nation list: the catalogue's nations, then "Random".
const std::vector<std::string>& NationEntries();

// What choosing an entry of the nation list does.
struct NationChoice {
    // For "Random": the drawn nation, to be chosen in its place.
    std::optional<int> drawnNation;
    // The class list's new entries: the nation's classes, then "Random"; none when the
    // position is no entry.
    std::vector<std::string> classEntries;
};

NationChoice ChooseNation(int position, RandomSource& random);

// For the class list's last entry, "Random": a drawn position among the real classes before
// it. Nothing for any other entry.
std::optional<int> ChooseClass(int position, int entryCount, RandomSource& random);

// A mouse click into the name box empties it while it shows the placeholder.
std::optional<std::string> ClickIntoShipName(std::string_view text);

// Leaving the name box empty puts the placeholder back.
std::optional<std::string> ShipNameFill(std::string_view text);

} // namespace forgeline
