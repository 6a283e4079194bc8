#include "editor/ForceClipboard.h"

#include "base/Utf16.h"
#include "editor/NameSet.h"
#include "model/ForceChecks.h"
#include "model/ForceLine.h"

#include <algorithm>
#include <unordered_map>

namespace forgeline {
namespace {

constexpr std::size_t FieldCount = static_cast<std::size_t>(ForceField::Tail) + 1;

std::string lineFault(std::string_view line) {
    // Counted, not split: a paste checks every line of a fleet before it takes any.
    const auto pieces = static_cast<std::size_t>(std::count(line.begin(), line.end(), ' ')) + 1;
    if (pieces != FieldCount) {
        return "it has " + std::to_string(pieces) + (pieces == 1 ? " field" : " fields") +
               "; a force line has nine";
    }
    if (!line.ends_with(" ()")) {
        return "it does not end in \" ()\"";
    }
    if (FindForcePiece(line, ForceField::Name)->empty()) {
        return "it has no name";
    }
    return {};
}

} // namespace

std::string ClipboardText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

Result<std::vector<std::string>> ForceLinesFromClipboard(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (const std::string fault = lineFault(line); !fault.empty()) {
            return Failure{0, "Nothing was pasted: line " + std::to_string(lines.size() + 1) +
                                  " of the clipboard is no force line (" + fault + ")."};
        }
        lines.emplace_back(line);
    }
    if (lines.empty()) {
        return Failure{0, "Nothing was pasted: the clipboard holds no force lines."};
    }
    return lines;
}

namespace {

// `taken` holds the existing names, and takes views into the lines as they are named, which
// stay where they are: ten thousand pasted names cost no copies of twenty thousand.
std::vector<std::string> withFreeNames(NameSet& taken, std::vector<std::string> lines) {
    std::unordered_map<std::string_view, int> nextNumber;
    std::string free;
    for (std::string& line : lines) {
        const auto name = FindForcePiece(line, ForceField::Name);
        if (!name) {
            continue;
        }
        const std::size_t at = static_cast<std::size_t>(name->data() - line.data());
        if (taken.insert(*name)) {
            continue;
        }
        // A copy of "Korg2" is "Korg3", not "Korg22"; a name of digits alone keeps them.
        std::string_view stem = name->substr(0, name->find_last_not_of("0123456789") + 1);
        if (stem.empty()) {
            stem = *name;
        }
        // Names are only ever taken here, so a stem's lowest free number only grows: ten
        // thousand pasted "Ship1" to "Ship10000" try each number once, not once per line.
        const auto known = nextNumber.find(stem);
        int number = known == nextNumber.end() ? 2 : known->second;
        do {
            free.assign(stem);
            free += std::to_string(number++);
        } while (taken.contains(free));
        const std::size_t stemLength = stem.size();
        line.replace(at, name->size(), free);
        // Kept as views into the renamed line, which changes no more.
        const std::string_view renamed = std::string_view(line).substr(at, free.size());
        if (known == nextNumber.end()) {
            nextNumber.emplace(renamed.substr(0, stemLength), number);
        } else {
            known->second = number;
        }
        taken.insert(renamed);
    }
    return lines;
}

} // namespace

std::vector<std::string> WithFreeNames(const std::vector<std::string>& existing,
                                       std::vector<std::string> lines) {
    NameSet taken(existing.size() + lines.size());
    for (const std::string& line : existing) {
        if (const auto name = NameForClash(line)) {
            taken.insert(*name);
        }
    }
    return withFreeNames(taken, std::move(lines));
}

std::vector<std::string> WithFreeNames(const std::vector<std::u16string_view>& existing,
                                       std::vector<std::string> lines) {
    // Only the names, cut as NameForClash cuts them, are turned into UTF-8, one after another
    // in one string. It is given room for the most UTF-8 they can take, three bytes a unit, so
    // that it never moves and the views into it stay.
    std::vector<std::u16string_view> pieces;
    pieces.reserve(existing.size());
    std::size_t units = 0;
    for (const std::u16string_view line : existing) {
        if (const auto piece = FindForcePiece(line, ForceField::Name)) {
            pieces.push_back(*piece);
            units += piece->size();
        }
    }
    std::string names;
    names.reserve(3 * units);
    NameSet taken(pieces.size() + lines.size());
    for (const std::u16string_view piece : pieces) {
        const std::size_t start = names.size();
        names += Utf8Of(piece);
        taken.insert(std::string_view(names).substr(start));
    }
    return withFreeNames(taken, std::move(lines));
}

} // namespace forgeline
