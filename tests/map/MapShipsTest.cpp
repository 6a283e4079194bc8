#include "map/MapShips.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>

namespace forgeline {

void PrintTo(const MapShip& ship, std::ostream* out) {
    *out << "{row " << ship.row << ", nation " << ship.nation << ", \"" << ship.name << "\", "
         << ship.x << ", " << ship.y << ", heading " << ship.heading
         << (ship.player ? ", player}" : "}");
}

namespace {

TEST(MapShips, ShowsLinesWithEightFieldsAndNumericPlaceAndHeading) {
    struct Row {
        const char* line;
        std::optional<MapShip> shown; // row is filled in from the line's position
    };
    const Row rows[] = {
        {"Klingon BC Korg 1500 -200 270 3 <internal> ()",
         MapShip{0, 1, "Korg", 1500, -200, 270, false}},
        {"Federation Destroyer Hornet 0 0 90 2 <player> ()",
         MapShip{0, 0, "Hornet", 0, 0, 90, true}},
        // The tail is not needed; the marker is.
        {"Orion Raider Blade 1 2 3 4 <player>", MapShip{0, 3, "Blade", 1, 2, 3, true}},
        {"Orion Raider Blade 1 2 3 4", std::nullopt},
        {"", std::nullopt},
        {"Unknown Forces", std::nullopt},
        {"Romulan WE Talon - 0 0 1 <internal> ()", std::nullopt},
        {"Romulan WE Talon 0 north 0 1 <internal> ()", std::nullopt},
        {"Romulan WE Talon 0 0 1E400 1 <internal> ()", std::nullopt},
        // Two spaces leave the heading empty and shift the rest.
        {"Romulan WE Talon 0 0  1 <internal> ()", std::nullopt},
        // A leading space pushes the name into the X field.
        {" Klingon BC Korg 1500 -200 270 3 <internal> ()", std::nullopt},
        // The warp is no part of the picture.
        {"Romulan WE Talon 0 0 0 fast <internal> ()", MapShip{0, 2, "Talon", 0, 0, 0, false}},
        {"Orion Raider Sly +5 -.5 1.5e2 0 <internal> ()",
         MapShip{0, 3, "Sly", 5, -0.5, 150, false}},
        {"Orion Raider Dot 007 1E-400 -90 0 <internal> ()", MapShip{0, 3, "Dot", 7, 0, -90, false}},
        // Nation and marker compare exactly.
        {"klingon BC Korg 1 1 1 1 <Player> ()", MapShip{0, -1, "Korg", 1, 1, 1, false}},
        {"Borg Cube Locutus 1 2 3 4 <internal> ()", MapShip{0, -1, "Locutus", 1, 2, 3, false}},
        {"Orion Raider  1 2 3 4 <internal> ()", MapShip{0, 3, "", 1, 2, 3, false}},
    };
    std::vector<std::string> lines;
    std::vector<MapShip> expected;
    int notShown = 0;
    for (const Row& row : rows) {
        if (row.shown) {
            MapShip ship = *row.shown;
            ship.row = static_cast<int>(lines.size());
            expected.push_back(ship);
        } else {
            ++notShown;
        }
        lines.emplace_back(row.line);
    }
    const MapShips shown = ShipsForMap(lines);
    EXPECT_EQ(shown.ships, expected);
    EXPECT_EQ(shown.notShown, notShown);
}

TEST(MapShips, EmptyListShowsNothingAndLeavesNothingOff) {
    const MapShips shown = ShipsForMap({});
    EXPECT_TRUE(shown.ships.empty());
    EXPECT_EQ(shown.notShown, 0);
}

TEST(MapShips, NoteCountsTheLinesLeftOff) {
    const std::pair<int, const char*> rows[] = {
        {0, ""},
        {-1, ""},
        {1, "1 ship not shown"},
        {2, "2 ships not shown"},
        {30000, "30000 ships not shown"},
    };
    for (const auto& [count, text] : rows) {
        EXPECT_EQ(NotShownText(count), text) << count;
    }
}

} // namespace
} // namespace forgeline
