#include "editor/ForceClipboard.h"

#include "model/ForceChecks.h"
#include "model/ForceLine.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

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

std::vector<std::string> WithFreeNames(const std::vector<std::string>& existing,
                                       std::vector<std::string> lines) {
    std::unordered_set<std::string> taken;
    taken.reserve(existing.size() + lines.size());
    for (const std::string& line : existing) {
        if (const auto name = NameForClash(line)) {
            taken.emplace(*name);
        }
    }
    std::unordered_map<std::string, int> nextNumber;
    for (std::string& line : lines) {
        const auto name = FindForcePiece(line, ForceField::Name);
        if (!name) {
            continue;
        }
        std::string free(*name);
        // A copy of "Korg2" is "Korg3", not "Korg22"; a name of digits alone keeps them.
        std::string_view stem = name->substr(0, name->find_last_not_of("0123456789") + 1);
        if (stem.empty()) {
            stem = *name;
        }
        // Names are only ever taken here, so a stem's lowest free number only grows: ten
        // thousand pasted "Ship1" to "Ship10000" try each number once, not once per line.
        int& number = nextNumber.try_emplace(std::string(stem), 2).first->second;
        while (taken.contains(free)) {
            free = std::string(stem) + std::to_string(number++);
        }
        const std::size_t at = static_cast<std::size_t>(name->data() - line.data());
        line.replace(at, name->size(), free);
        taken.insert(std::move(free));
    }
    return lines;
}

} // namespace forgeline
