#include "editor/ShipEditing.h"

#include <charconv>

namespace forgeline {
namespace {

bool isComplete(const ShipEntry& entry) {
    return IsEntryComplete(entry.nationPosition, entry.classPosition, entry.markerPosition,
                           entry.fields.name);
}

} // namespace

AddShipDecision DecideAddShip(const std::vector<std::string>& forceLines, const ShipEntry& entry) {
    if (IsNameTaken(forceLines, entry.fields.name)) {
        return {NameTakenMessage, std::nullopt, false};
    }
    if (!isComplete(entry)) {
        return {IncompleteEntryMessage, std::nullopt, true};
    }
    return {std::nullopt, FormatForceLine(entry.fields), true};
}

std::optional<int> EditIndexFromTag(std::string_view tag, std::size_t lineCount) {
    int index = 0;
    const auto [end, error] = std::from_chars(tag.data(), tag.data() + tag.size(), index);
    if (tag.empty() || error != std::errc() || end != tag.data() + tag.size() || index < 0 ||
        static_cast<std::size_t>(index) >= lineCount) {
        return std::nullopt;
    }
    return index;
}

EditShipDecision DecideEditShip(const std::vector<std::string>& forceLines, std::string_view tag,
                                const ShipEntry& entry) {
    if (!isComplete(entry)) {
        return {IncompleteEntryMessage, std::nullopt, NoSelection};
    }
    const std::optional<int> index = EditIndexFromTag(tag, forceLines.size());
    if (!index) {
        return {};
    }
    std::vector<std::string> others = forceLines;
    others.erase(others.begin() + *index);
    if (IsNameTaken(others, entry.fields.name)) {
        return {NameTakenMessage, std::nullopt, *index};
    }
    return {std::nullopt, FormatForceLine(entry.fields), *index};
}

} // namespace forgeline
