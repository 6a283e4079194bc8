#include "model/ForceLine.h"

namespace forgeline {

std::string FormatForceLine(const ForceEntry& entry) {
    std::string line;
    line.reserve(entry.nation.size() + entry.shipClass.size() + entry.name.size() + entry.x.size() +
                 entry.y.size() + entry.heading.size() + entry.warp.size() + entry.marker.size() +
                 10);
    for (const std::string* field : {&entry.nation, &entry.shipClass, &entry.name, &entry.x,
                                     &entry.y, &entry.heading, &entry.warp, &entry.marker}) {
        line += *field;
        line += ' ';
    }
    line += "()";
    return line;
}

std::vector<std::string> SplitForceLine(std::string_view line) {
    std::vector<std::string> pieces;
    // A force line has nine pieces: one allocation, and no piece moved as the vector grows.
    pieces.reserve(static_cast<std::size_t>(ForceField::Tail) + 1);
    std::size_t start = 0;
    while (true) {
        const std::size_t space = line.find(' ', start);
        if (space == std::string_view::npos) {
            pieces.emplace_back(line.substr(start));
            return pieces;
        }
        pieces.emplace_back(line.substr(start, space - start));
        start = space + 1;
    }
}

std::string ForcePiece(const std::vector<std::string>& pieces, ForceField field) {
    const auto index = static_cast<std::size_t>(field);
    return index < pieces.size() ? pieces[index] : std::string();
}

namespace {

template <typename Char>
std::optional<std::basic_string_view<Char>> findForcePiece(std::basic_string_view<Char> line,
                                                           ForceField field) {
    // Walks to the wanted piece without building the others: the clash test runs this over
    // every line of a list on each Add.
    std::size_t start = 0;
    for (int i = 0; i < static_cast<int>(field); ++i) {
        const std::size_t space = line.find(Char(' '), start);
        if (space == line.npos) {
            return std::nullopt;
        }
        start = space + 1;
    }
    const std::size_t end = line.find(Char(' '), start);
    return line.substr(start, end == line.npos ? end : end - start);
}

} // namespace

std::optional<std::string_view> FindForcePiece(std::string_view line, ForceField field) {
    return findForcePiece(line, field);
}

std::optional<std::u16string_view> FindForcePiece(std::u16string_view line, ForceField field) {
    return findForcePiece(line, field);
}

std::string ForcePiece(std::string_view line, ForceField field) {
    return std::string(FindForcePiece(line, field).value_or(std::string_view()));
}

ForceEntry ForceEntryFromLine(std::string_view line) {
    const std::vector<std::string> pieces = SplitForceLine(line);
    return {ForcePiece(pieces, ForceField::Nation), ForcePiece(pieces, ForceField::Class),
            ForcePiece(pieces, ForceField::Name),   ForcePiece(pieces, ForceField::X),
            ForcePiece(pieces, ForceField::Y),      ForcePiece(pieces, ForceField::Heading),
            ForcePiece(pieces, ForceField::Warp),   ForcePiece(pieces, ForceField::Marker)};
}

} // namespace forgeline
