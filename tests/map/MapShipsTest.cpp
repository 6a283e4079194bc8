#include "map/MapShips.h"

#include <gtest/gtest.h>
#include <optional>

namespace forgeline {
namespace {

// The map reads the rows' lines, each held as a `Line`, into the ships they give; the other
// lines are counted.
template <typename Line, typename Rows> void expectShips(const Rows& rows, int notShown) {
    std::vector<Line> lines;
    std::vector<MapShip> expected;
    for (const auto& [line, ship] : rows) {
        lines.emplace_back(line);
        if (ship) {
            expected.push_back(*ship);
        }
    }
    const MapShips shown = ShipsForMap(lines);
    EXPECT_EQ(shown.ships, expected);
    EXPECT_EQ(shown.notShown, notShown);
}

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
    expectShips<std::string>(rows, 4);
}

TEST(MapShips, NoteCountsTheLinesLeftOff) {
    const std::pair<int, const char*> rows[] = {
        {0, ""}, {-1, ""}, {1, "1 ship not shown"}, {2, "2 ships not shown"}};
    for (const auto& [count, text] : rows) {
        EXPECT_EQ(NotShownText(count), text) << count;
    }
}

TEST(MapShips, ReadFromUtf16AsFromUtf8) {
    // UTF-16 lines and what each gives: names come out in UTF-8, anything else outside ASCII
    // makes no number, nation or marker.
    const std::pair<std::u16string, std::optional<MapShip>> rows[] = {
        {u"Klingon BC Korg 1500 -200 270 3 <internal> ()", MapShip{0, 1, "Korg", 1500, -200, 270}},
        {u"Federation DD Zoë 0 0 90 2 <player> ()", MapShip{1, 0, "Zo\xC3\xAB", 0, 0, 90, true}},
        {u"Orion Raider \U0001F680 1 2 3 0 <internal> ()",
         MapShip{2, 3, "\xF0\x9F\x9A\x80", 1, 2, 3}},
        {u"Orion Raider \xD83D 1 2 3 0 <internal> ()", MapShip{3, 3, "\xEF\xBF\xBD", 1, 2, 3}},
        {u"Orion Raider \xDE80x 1 2 3 0 <internal> ()", MapShip{4, 3, "\xEF\xBF\xBDx", 1, 2, 3}},
        {u"Orion Raider Sly +5 -.5 1.5e2 0 <internal> ()", MapShip{5, 3, "Sly", 5, -0.5, 150}},
        {u"Orion Raider Sly \xFF11 2 3 0 <internal> ()", std::nullopt},
        {u"Orion Raider Sly 1 2 3\x00B9 0 <internal> ()", std::nullopt},
        {u"Klingön BC Korg 1 1 1 1 <internal> ()", MapShip{8, -1, "Korg", 1, 1, 1}},
        {u"Klingon BC Korg 1 1 1 1 <plåyer> ()", MapShip{9, 1, "Korg", 1, 1, 1}},
        {u"Orion Raider Blade 1 2 3 4", std::nullopt},
        {u"Orion Raider Blade 1 2 3 fast <player>", MapShip{11, 3, "Blade", 1, 2, 3, true}},
        // A dotless i is no "1", though its low byte is.
        {u"Orion Raider Sly \x0131 2 3 0 <internal> ()", std::nullopt}};
    expectShips<std::u16string_view>(rows, 4);
}

} // namespace
} // namespace forgeline
