#include "check/ScenarioCheck.h"

#include "files/StorableText.h"
#include "files/TitleFileName.h"
#include "model/ForceChecks.h"
#include "model/ForceLine.h"
#include "model/Numbers.h"
#include "model/ShipCatalogue.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace forgeline {
namespace {

constexpr std::size_t FieldCount = 9;

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string FieldCountText(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " field" : " fields");
}

void checkTitle(const std::string& title, std::string_view programFolder,
                std::vector<Problem>& problems) {
    if (title.empty()) {
        problems.push_back({TitleLine, "The title is empty; Compile needs one."});
    } else if (Status usable = CheckTitleAsFileName(title, programFolder); !usable) {
        problems.push_back({TitleLine, usable.failure().description});
    }
}

bool carriesPlayerMarker(const std::string& line) {
    const auto marker = FindForcePiece(line, ForceField::Marker);
    return marker && *marker == PlayerMarker;
}

void checkStorable(int line, std::string_view what, std::string_view value,
                   std::vector<Problem>& problems) {
    if (const auto why = FindUnstorable(value)) {
        problems.push_back({line, UnstorableMessage(what, *why)});
    }
}

// The fields of a line that has all nine; with more or fewer they stand at the wrong places,
// and what they would say is noise.
void checkFields(int line, const std::vector<std::string>& pieces, std::vector<Problem>& problems) {
    const std::string& nation = pieces[static_cast<std::size_t>(ForceField::Nation)];
    const std::string& shipClass = pieces[static_cast<std::size_t>(ForceField::Class)];
    if (const auto code = NationCode(nation); !code) {
        problems.push_back({line, quoted(nation) + " is not a nation of the catalogue."});
    } else if (!IsClassOfNation(*code, shipClass)) {
        problems.push_back({line, quoted(shipClass) + " is not a " + nation + " class."});
    }
    const std::pair<ForceField, const char*> numbers[] = {{ForceField::X, "X"},
                                                          {ForceField::Y, "Y"},
                                                          {ForceField::Heading, "heading"},
                                                          {ForceField::Warp, "warp"}};
    for (const auto& [field, name] : numbers) {
        const std::string& text = pieces[static_cast<std::size_t>(field)];
        if (!IsNumeric(text)) {
            problems.push_back(
                {line, std::string("The ") + name + " " + quoted(text) + " is not a number."});
        }
    }
    const std::string& marker = pieces[static_cast<std::size_t>(ForceField::Marker)];
    if (marker != PlayerMarker && marker != InternalMarker) {
        problems.push_back({line, quoted(marker) + " is neither " + quoted(PlayerMarker) + " nor " +
                                      quoted(InternalMarker) + "."});
    }
}

} // namespace

int ForceLineNumber(std::size_t position) {
    return ForcesHeaderLine + 1 + static_cast<int>(position);
}

std::optional<std::size_t> ForcePositionOfLine(int line) {
    if (line <= ForcesHeaderLine) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(line - ForcesHeaderLine - 1);
}

std::vector<Problem> CheckScenario(const ScenarioSource& source, std::string_view programFolder) {
    std::vector<Problem> problems;
    checkTitle(source.Title, programFolder, problems);
    const std::pair<const std::string*, const char*> texts[] = {
        {&source.Title, "title"},
        {&source.Summary, "summary"},
        {&source.Description, "description"},
        {&source.Objective, "objective"}};
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        checkStorable(TitleLine + static_cast<int>(i), texts[i].second, *texts[i].first, problems);
    }
    // Compile stops at a line too short to tell, which is named below; the check looks past it,
    // so that mending that line does not bring up a second problem the list did not show.
    if (!std::ranges::any_of(source.Forces, carriesPlayerMarker)) {
        problems.push_back({ForcesHeaderLine, "No line carries the " + quoted(PlayerMarker) +
                                                  " marker; Compile needs one."});
    }

    // Keyed by the name Add Ship's clash test compares, so a name found twice here is one
    // Add Ship would refuse.
    std::unordered_map<std::string_view, int> firstLineOfName;
    firstLineOfName.reserve(source.Forces.size());
    for (std::size_t i = 0; i < source.Forces.size(); ++i) {
        const std::string& text = source.Forces[i];
        const int line = ForceLineNumber(i);
        const std::vector<std::string> pieces = SplitForceLine(text);
        if (pieces.size() != FieldCount) {
            problems.push_back({line, "The line has " + FieldCountText(pieces.size()) +
                                          "; a force line has nine."});
        }
        if (!text.ends_with(" ()")) {
            problems.push_back({line, "The line does not end in \" ()\"."});
        }
        if (pieces.size() == FieldCount) {
            checkFields(line, pieces, problems);
        }
        if (const auto name = NameForClash(text)) {
            const auto [first, isNew] = firstLineOfName.emplace(*name, line);
            if (!isNew) {
                problems.push_back({line, "The name " + quoted(*name) +
                                              " is already used on line " +
                                              std::to_string(first->second) + "."});
            }
        }
        checkStorable(line, "force line", text, problems);
    }
    return problems;
}

} // namespace forgeline
