#include "map/ShipsReadAgain.h"

#include "map/MapEdits.h"

#include <gtest/gtest.h>
#include <optional>

namespace forgeline {
namespace {

std::vector<std::u16string_view> viewsOf(const std::vector<std::u16string>& lines) {
    return {lines.begin(), lines.end()};
}

TEST(ShipsReadAgain, TakesEachShipFromTheReadingItsSourceNames) {
    // The readings before hold ships no line below would give, so that each ship shows where
    // it came from.
    const std::vector<MapShip> current = {{0, 1, "Kept", 1, 2, 3},
                                          {1, 0, "Moved", 4, 5, 6, true},
                                          {3, 2, "Unused", 7, 8, 9},
                                          {7, 2, "Twice", 7, 8, 9},
                                          {9, 0, "Turned", 1, 1, 1}};
    std::vector<MapShip> earlier = {
        {0, 1, "Old", 0, 0, 0}, {2, 3, "Gone", 0, 0, 0}, {4, 3, "Back", -1, -2, -3}};
    // Not in the order of their rows.
    const std::vector<ShipEdit> edits = {{9, {std::nullopt, std::nullopt, 45}},
                                         {7, {1, 1, 1}},
                                         {1, {50, std::nullopt, 90}},
                                         {7, {2, 2, 2}}};
    const std::u16string read = u"Orion Raider Read 10 20 30 0 <internal> ()";
    const struct {
        LineSource source;
        std::u16string line;
        std::optional<MapShip> ship;
    } rows[] = {
        {LineSource::Kept, read, MapShip{0, 1, "Kept", 1, 2, 3}},
        {LineSource::Edited, read, MapShip{1, 0, "Moved", 50, 5, 90, true}},
        // Rows the named reading holds no ship of.
        {LineSource::Kept, read, std::nullopt},
        {LineSource::Earlier, read, std::nullopt},
        {LineSource::Earlier, read, MapShip{4, 3, "Back", -1, -2, -3}},
        {LineSource::Read, read, MapShip{5, 3, "Read", 10, 20, 30}},
        // An edited row without an edit, or with two, is read.
        {LineSource::Edited, read, MapShip{6, 3, "Read", 10, 20, 30}},
        {LineSource::Edited, read, MapShip{7, 3, "Read", 10, 20, 30}},
        {LineSource::Read, u"Orion Raider Read x 20 30 0 <internal> ()", std::nullopt},
        {LineSource::Edited, read, MapShip{9, 0, "Turned", 1, 1, 45}},
    };
    std::vector<std::u16string> lines;
    std::vector<LineSource> sources;
    std::vector<MapShip> expected;
    for (const auto& row : rows) {
        lines.push_back(row.line);
        sources.push_back(row.source);
        if (row.ship) {
            expected.push_back(*row.ship);
        }
    }
    // Room left from a reading given up holds nothing of it afterwards.
    std::vector<MapShip> room = {{0, 1, "Stale", 0, 0, 0}};
    const MapShips shown =
        ShipsReadAgain(viewsOf(lines), sources, {current, edits, earlier}, std::move(room));
    EXPECT_EQ(shown.ships, expected);
    EXPECT_EQ(shown.notShown, 3);
}

TEST(ShipsReadAgain, EditedLinesGiveWhatReadingThemWouldGive) {
    const std::vector<std::u16string> before = {
        u"Klingon BC Korg 1500 -200 270 3 <internal> ()", u"Federation DD Zoë 0 0 90 2 <player> ()",
        u"Orion Raider Sly +5 -.5 1.5e2 0 <internal> ()", u"Romulan WE Talon 0 0 0 1 <internal> ()",
        u"Romulan WE Hawk 3 4 5 1 <internal> ()",         u"Romulan WE Kite 3 4 5 1 <internal> ()",
    };
    // Given in an order other than the rows', and leaving one row alone.
    const std::vector<ShipEdit> edits = {
        {4, {std::nullopt, std::nullopt, 359}}, {0, {1600, std::nullopt, std::nullopt}},
        {1, {std::nullopt, -7, std::nullopt}},  {2, {6, 1, 150}},
        {3, {LowestWhole, HighestWhole, 0}},
    };
    std::vector<std::u16string> after = before;
    std::vector<LineSource> sources(before.size(), LineSource::Kept);
    std::u16string changed;
    for (const ShipEdit& edit : edits) {
        const auto row = static_cast<std::size_t>(edit.row);
        ASSERT_TRUE(WithShipChange(std::u16string_view(before[row]), edit.change, changed));
        after[row] = changed;
        sources[row] = LineSource::Edited;
    }
    const MapShips current = ShipsForMap(viewsOf(before));
    std::vector<MapShip> earlier;
    const MapShips shown = ShipsReadAgain(viewsOf(after), sources, {current.ships, edits, earlier});
    const MapShips read = ShipsForMap(viewsOf(after));
    EXPECT_EQ(shown.ships, read.ships);
    EXPECT_EQ(shown.notShown, read.notShown);
}

} // namespace
} // namespace forgeline
