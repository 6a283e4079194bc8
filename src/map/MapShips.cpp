#include "map/MapShips.h"

#include "base/Utf16.h"
#include "model/ForceLine.h"
#include "model/Numbers.h"
#include "model/ShipCatalogue.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <string_view>

namespace forgeline {
namespace {

// A whole number of at most 15 digits, with or without a sign, as nearly every line holds:
// read digit by digit, exact as the general reader would give it, at a fraction of its cost.
template <typename Char> std::optional<double> wholeNumberOf(std::basic_string_view<Char> text) {
    const bool negative = !text.empty() && text.front() == Char('-');
    if (!text.empty() && (negative || text.front() == Char('+'))) {
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 15) {
        return std::nullopt;
    }
    long long whole = 0;
    for (const Char c : text) {
        if (c < Char('0') || c > Char('9')) {
            return std::nullopt;
        }
        whole = whole * 10 + (c - Char('0'));
    }
    return negative ? -static_cast<double>(whole) : static_cast<double>(whole);
}

// Only for text that IsNumeric accepted. from_chars takes no leading "+", and leaves the value
// alone for an underflow, which is then zero.
double numberOf(std::string_view text) {
    if (const std::optional<double> whole = wholeNumberOf(text)) {
        return *whole;
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

template <typename Char>
bool sameAscii(std::basic_string_view<Char> piece, std::string_view ascii) {
    return piece.size() == ascii.size() &&
           std::equal(ascii.begin(), ascii.end(), piece.begin(),
                      [](char a, Char c) { return Char(static_cast<unsigned char>(a)) == c; });
}

template <typename Char> int nationCode(std::basic_string_view<Char> name) {
    for (const Nation& nation : Nations()) {
        if (sameAscii(name, nation.name)) {
            return nation.code;
        }
    }
    return -1;
}

// The first eight pieces of the line as views into it, and how many of them it has: the map
// reads every line of a fleet each time it changes, so no piece is copied.
template <typename Char> struct LinePieces {
    std::array<std::basic_string_view<Char>, 8> pieces;
    std::size_t count = 0;

    std::basic_string_view<Char> operator[](ForceField field) const {
        return pieces[static_cast<std::size_t>(field)];
    }
};

template <typename Char> LinePieces<Char> piecesOf(std::basic_string_view<Char> line) {
    LinePieces<Char> split;
    const Char* const text = line.data();
    const std::size_t size = line.size();
    std::size_t start = 0;
    // One walk over the line, which is cheaper than a search for each space.
    for (std::size_t at = 0; at < size; ++at) {
        if (text[at] == Char(' ')) {
            split.pieces[split.count++] = {text + start, at - start};
            if (split.count == split.pieces.size()) {
                return split;
            }
            start = at + 1;
        }
    }
    split.pieces[split.count++] = {text + start, size - start};
    return split;
}

// A piece that the number rules read as bytes: as it is, or, from the list's UTF-16, its ASCII
// in `scratch`; a piece with anything else is no number, and is handed on as U+FFFD alone.
std::string_view bytesOf(std::string_view piece, std::string&) {
    return piece;
}

std::string_view bytesOf(std::u16string_view piece, std::string& scratch) {
    scratch.clear();
    for (const char16_t unit : piece) {
        if (unit >= 0x80) {
            return "\xEF\xBF\xBD";
        }
        scratch.push_back(static_cast<char>(unit));
    }
    return scratch;
}

std::string nameOf(std::string_view name) {
    return std::string(name);
}

std::string nameOf(std::u16string_view name) {
    return Utf8Of(name);
}

// Adds the line's ship to `ships`; false for a line that is only counted.
template <typename Char>
bool addShip(std::basic_string_view<Char> line, int row, std::string& scratch,
             std::vector<MapShip>& ships) {
    const auto number = [&scratch](std::basic_string_view<Char> piece) -> std::optional<double> {
        if (const std::optional<double> whole = wholeNumberOf(piece)) {
            return whole;
        }
        const std::string_view bytes = bytesOf(piece, scratch);
        return IsNumeric(bytes) ? std::optional(numberOf(bytes)) : std::nullopt;
    };
    const auto pieces = piecesOf(line);
    if (pieces.count < 8) {
        return false;
    }
    const std::optional<double> x = number(pieces[ForceField::X]);
    const std::optional<double> y = number(pieces[ForceField::Y]);
    const std::optional<double> heading = number(pieces[ForceField::Heading]);
    if (!x || !y || !heading) {
        return false;
    }
    const int nation = nationCode(pieces[ForceField::Nation]);
    const bool player = sameAscii(pieces[ForceField::Marker], PlayerMarker);
    ships.push_back({row, nation, nameOf(pieces[ForceField::Name]), *x, *y, *heading, player});
    return true;
}

template <typename Char, typename Line> MapShips shipsOf(const std::vector<Line>& lines) {
    MapShips result;
    result.ships.reserve(lines.size());
    std::string scratch;
    for (std::size_t row = 0; row < lines.size(); ++row) {
        if (!addShip(std::basic_string_view<Char>(lines[row]), static_cast<int>(row), scratch,
                     result.ships)) {
            ++result.notShown;
        }
    }
    return result;
}

} // namespace

MapShips ShipsForMap(const std::vector<std::string>& lines) {
    return shipsOf<char>(lines);
}

MapShips ShipsForMap(const std::vector<std::u16string_view>& lines) {
    return shipsOf<char16_t>(lines);
}

bool AddShipForMap(std::u16string_view line, int row, std::vector<MapShip>& ships) {
    std::string scratch;
    return addShip(line, row, scratch, ships);
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
