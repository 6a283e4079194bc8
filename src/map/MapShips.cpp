#include "map/MapShips.h"

#include "model/ForceLine.h"
#include "model/Numbers.h"
#include "model/ShipCatalogue.h"

#include <charconv>

namespace forgeline {
namespace {

// Only for text that IsNumeric accepted. from_chars takes no leading "+", and leaves the value
// alone for an underflow, which is then zero.
double numberOf(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

int nationCode(const std::string& name) {
    for (const Nation& nation : Nations()) {
        if (nation.name == name) {
            return nation.code;
        }
    }
    return -1;
}

} // namespace

MapShips ShipsForMap(const std::vector<std::string>& lines) {
    MapShips result;
    result.ships.reserve(lines.size());
    for (std::size_t row = 0; row < lines.size(); ++row) {
        const std::vector<std::string> pieces = SplitForceLine(lines[row]);
        const std::string x = ForcePiece(pieces, ForceField::X);
        const std::string y = ForcePiece(pieces, ForceField::Y);
        const std::string heading = ForcePiece(pieces, ForceField::Heading);
        if (pieces.size() < 8 || !IsNumeric(x) || !IsNumeric(y) || !IsNumeric(heading)) {
            ++result.notShown;
            continue;
        }
        result.ships.push_back({static_cast<int>(row), nationCode(pieces[0]),
                                ForcePiece(pieces, ForceField::Name), numberOf(x), numberOf(y),
                                numberOf(heading),
                                ForcePiece(pieces, ForceField::Marker) == PlayerMarker});
    }
    return result;
}

std::string NotShownText(int count) {
    if (count <= 0) {
        return {};
    }
    if (count == 1) {
        return "1 ship not shown";
    }
    return std::to_string(count) + " ships not shown";
}

} // namespace forgeline
