#include "random/PlayerShipRules.h"

#include "model/ShipCatalogue.h"

#include <cmath>

namespace forgeline {
namespace {

constexpr const char* RandomEntry = "Random";

// Int(r x count): 0 to count - 1.
int drawPosition(int count, RandomSource& random) {
    return static_cast<int>(std::floor(random.next() * count));
}

} // namespace

const std::vector<std::string>& NationEntries() {
    static const std::vector<std::string> entries = [] {
        std::vector<std::string> names;
        for (const Nation& nation : Nations()) {
            names.push_back(nation.name);
        }
        names.emplace_back(RandomEntry);
        return names;
    }();
    return entries;
}

NationChoice ChooseNation(int position, RandomSource& random) {
    NationChoice choice;
    const int nationCount = static_cast<int>(Nations().size());
    if (position == nationCount) {
        position = drawPosition(nationCount, random);
        choice.drawnNation = position;
    }
    if (position < 0 || position >= nationCount) {
        return choice;
    }
    choice.classEntries = ClassesForNation(position);
    choice.classEntries.emplace_back(RandomEntry);
    return choice;
}

std::optional<int> ChooseClass(int position, int entryCount, RandomSource& random) {
    // A list holding nothing but "Random" has no class to draw.
    if (entryCount < 2 || position != entryCount - 1) {
        return std::nullopt;
    }
    return drawPosition(entryCount - 1, random);
}

std::optional<std::string> ClickIntoShipName(std::string_view text) {
    if (text == ShipNamePlaceholder) {
        return std::string();
    }
    return std::nullopt;
}

std::optional<std::string> ShipNameFill(std::string_view text) {
    if (text.empty()) {
        return std::string(ShipNamePlaceholder);
    }
    return std::nullopt;
}

} // namespace forgeline
