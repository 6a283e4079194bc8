#include "map/MapShips.h"

#include "model/ForceLine.h"
#include "model/Numbers.h"
#include "model/ShipCatalogue.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace forgeline {
namespace {

// Only for text that IsNumeric accepted. from_chars takes no leading "+", and leaves the value
// alone for an underflow, which is then zero.
double numberOf(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    // Whole numbers, which nearly every line holds, are read digit by digit: exact below 2^53,
    // as the general reader would give them, at a fraction of its cost.
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view digits = negative ? text.substr(1) : text;
    if (!digits.empty() && digits.size() <= 15 &&
        std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        long long whole = 0;
        for (const char c : digits) {
            whole = whole * 10 + (c - '0');
        }
        return negative ? -static_cast<double>(whole) : static_cast<double>(whole);
    }
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

int nationCode(std::string_view name) {
    for (const Nation& nation : Nations()) {
        if (nation.name == name) {
            return nation.code;
        }
    }
    return -1;
}

// The first eight pieces of the line as views into it, and how many of them it has: the map
// reads every line of a fleet each time it changes, so no piece is copied.
struct LinePieces {
    std::array<std::string_view, 8> pieces;
    std::size_t count = 0;

    std::string_view operator[](ForceField field) const {
        return pieces[static_cast<std::size_t>(field)];
    }
};

LinePieces piecesOf(std::string_view line) {
    LinePieces split;
    std::size_t start = 0;
    while (split.count < split.pieces.size()) {
        const std::size_t space = line.find(' ', start);
        split.pieces[split.count++] = line.substr(start, space - start);
        if (space == std::string_view::npos) {
            return split;
        }
        start = space + 1;
    }
    return split;
}

} // namespace

MapShips ShipsForMap(const std::vector<std::string>& lines) {
    MapShips result;
    result.ships.reserve(lines.size());
    for (std::size_t row = 0; row < lines.size(); ++row) {
        const LinePieces pieces = piecesOf(lines[row]);
        const std::string_view x = pieces[ForceField::X];
        const std::string_view y = pieces[ForceField::Y];
        const std::string_view heading = pieces[ForceField::Heading];
        if (pieces.count < 8 || !IsNumeric(x) || !IsNumeric(y) || !IsNumeric(heading)) {
            ++result.notShown;
            continue;
        }
        result.ships.push_back({static_cast<int>(row), nationCode(pieces[ForceField::Nation]),
                                std::string(pieces[ForceField::Name]), numberOf(x), numberOf(y),
                                numberOf(heading), pieces[ForceField::Marker] == PlayerMarker});
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
