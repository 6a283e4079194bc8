#include "random/Generation.h"

#include "model/ForceChecks.h"
#include "model/ForceLine.h"
#include "model/ShipCatalogue.h"
#include "random/Draws.h"

#include <cmath>
#include <unordered_set>

namespace forgeline {
namespace {

// The window allows at most three picks; the cap only keeps settings from elsewhere from
// running away.
constexpr int MaxEnemyNationPicks = MaxFleetLines;

struct Area {
    double minX, maxX, minY, maxY;
};

// A computer-run ship of the nation, placed within the area.
std::string drawShip(int nationCode, const Area& area, RandomSource& random) {
    ForceEntry entry;
    entry.x = WholeNumberText(CoordDraw(area.minX, area.maxX, random));
    entry.y = WholeNumberText(CoordDraw(area.minY, area.maxY, random));
    entry.heading = std::to_string(HeadingDraw(random));
    entry.warp = std::to_string(WarpDraw(random));
    entry.shipClass = PickFrom(ClassesForNation(nationCode), random);
    entry.name = PickFrom(NamePool(nationCode), random);
    entry.nation = Nations()[static_cast<std::size_t>(nationCode)].name;
    entry.marker = InternalMarker;
    return FormatForceLine(entry);
}

int remainingLines(const std::vector<std::string>& lines) {
    return MaxFleetLines - static_cast<int>(lines.size());
}

} // namespace

bool IsPlayerShipComplete(const RandomSettings& settings) {
    return settings.playerNationCode != NoSelection &&
           settings.playerClassPosition != NoSelection && !settings.playerName.empty();
}

std::string AddPlayerShip(const RandomSettings& settings, RandomSource& random) {
    ForceEntry entry{
        settings.playerNation, settings.playerClass, settings.playerName, "0", "0", "", "",
        PlayerMarker};
    if (settings.randomStart) {
        entry.x = WholeNumberText(
            StartDraw(SettingValue(settings.MinFRanX), SettingValue(settings.MaxFRanX), random));
        entry.y = WholeNumberText(
            StartDraw(SettingValue(settings.MinFRanY), SettingValue(settings.MaxFRanY), random));
    }
    entry.heading = std::to_string(HeadingDraw(random));
    entry.warp = std::to_string(WarpDraw(random));
    return FormatForceLine(entry);
}

std::vector<std::string> DrawForces(const RandomSettings& settings, RandomSource& random) {
    std::vector<std::string> lines{AddPlayerShip(settings, random)};
    const int player = settings.playerNationCode;
    if (player < 0 || player >= static_cast<int>(Nations().size())) {
        return lines;
    }

    const Area friendlyArea{SettingValue(settings.MinFRanX), SettingValue(settings.MaxFRanX),
                            SettingValue(settings.MinFRanY), SettingValue(settings.MaxFRanY)};
    const int friendly =
        ItemCount(CountDraw(SettingValue(settings.MinFr), SettingValue(settings.MaxFr), random),
                  remainingLines(lines));
    for (int i = 0; i < friendly; ++i) {
        lines.push_back(drawShip(player, friendlyArea, random));
    }

    // Every nation but the player's; a nation picked twice is drawn twice as often.
    std::vector<int> enemyNations;
    const int picks =
        ItemCount(CountDraw(SettingValue(settings.MinNat), SettingValue(settings.MaxNat), random),
                  MaxEnemyNationPicks);
    for (int i = 0; i < picks; ++i) {
        int nation = NationDraw(random);
        while (nation == player) {
            nation = NationDraw(random);
        }
        enemyNations.push_back(nation);
    }

    const Area enemyArea{SettingValue(settings.MinRanX), SettingValue(settings.MaxRanX),
                         SettingValue(settings.MinRanY), SettingValue(settings.MaxRanY)};
    const int enemies =
        ItemCount(CountDraw(SettingValue(settings.MinEn), SettingValue(settings.MaxEn), random),
                  remainingLines(lines));
    if (enemyNations.empty()) {
        return lines;
    }
    for (int i = 0; i < enemies; ++i) {
        const auto pick = static_cast<std::size_t>(
            std::floor(random.next() * static_cast<double>(enemyNations.size())));
        lines.push_back(drawShip(enemyNations[pick], enemyArea, random));
    }
    return lines;
}

std::vector<std::string> GenerateForces(const RandomSettings& settings, RandomSource& random) {
    return CleanUpNames(DrawForces(settings, random));
}

std::vector<std::string> CleanUpNames(std::vector<std::string> lines) {
    if (lines.empty()) {
        return lines;
    }
    // Walking backwards, the first line met with a name is the last one in the list; the
    // player's name counts as met already, so no other line keeps it.
    std::unordered_set<std::string> met{ForcePiece(lines.front(), ForceField::Name)};
    std::vector<bool> keep(lines.size(), false);
    keep.front() = true;
    for (std::size_t i = lines.size() - 1; i > 0; --i) {
        keep[i] = met.insert(ForcePiece(lines[i], ForceField::Name)).second;
    }
    std::vector<std::string> kept;
    kept.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (keep[i]) {
            kept.push_back(std::move(lines[i]));
        }
    }
    return kept;
}

} // namespace forgeline
