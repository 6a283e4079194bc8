#include "map/MapShips.h"

#include <gtest/gtest.h>
#include <optional>

namespace forgeline {
namespace {

TEST(MapShips, ShowsLinesWithEightFieldsAndNumericPlaceAndHeading) {
    const std::pair<const char*, std::optional<MapShip>> rows[] = {
        {"Klingon BC Korg 1500 -200 270 3 <internal> ()", MapShip{0, 1, "Korg", 1500, -200, 270}},
        {"Federation DD Hornet 0 0 90 2 <player> ()", MapShip{1, 0, "Hornet", 0, 0, 90, true}},
        // The tail and the warp are not needed; the marker is. Nation and marker compare exactly.
        {"Orion Raider Blade 1 2 3 fast <player>", MapShip{2, 3, "Blade", 1, 2, 3, true}},
        {"Orion Raider Blade 1 2 3 4", std::nullopt},
        {"Romulan WE Talon - 0 0 1 <internal> ()", std::nullopt},
        {"Romulan WE Talon 0 north 0 1 <internal> ()", std::nullopt},
        {"Romulan WE Talon 0 0 1E400 1 <internal> ()", std::nullopt},
        {"Orion Raider Sly +5 -.5 1.5e2 0 <internal> ()", MapShip{7, 3, "Sly", 5, -0.5, 150}},
        {"Orion Raider Dot 007 1E-400 -90 0 <internal> ()", MapShip{8, 3, "Dot", 7, 0, -90}},
        {"klingon BC Korg 1 1 1 1 <Player> ()", MapShip{9, -1, "Korg", 1, 1, 1}}};
    std::vector<std::string> lines;
    std::vector<MapShip> expected;
    for (const auto& [line, ship] : rows) {
        lines.emplace_back(line);
        if (ship) {
            expected.push_back(*ship);
        }
    }
    const MapShips shown = ShipsForMap(lines);
    EXPECT_EQ(shown.ships, expected);
    EXPECT_EQ(shown.notShown, 4);
}

TEST(MapShips, NoteCountsTheLinesLeftOff) {
    const std::pair<int, const char*> rows[] = {
        {0, ""}, {-1, ""}, {1, "1 ship not shown"}, {2, "2 ships not shown"}};
    for (const auto& [count, text] : rows) {
        EXPECT_EQ(NotShownText(count), text) << count;
    }
}

} // namespace
} // namespace forgeline
