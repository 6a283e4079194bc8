#include "map/MapEdits.h"

#include <gtest/gtest.h>

namespace forgeline {
namespace {

constexpr auto none = std::nullopt;

TEST(MapEdits, RewritesOnlyTheChangedNumbersOfALine) {
    const std::tuple<std::string, ShipChange, std::optional<std::string>> rows[] = {
        {"Klingon BC Korg 1.5 2E3 -0 3 <internal> ()",
         {-7, 0, none},
         "Klingon BC Korg -7 0 -0 3 <internal> ()"},
        {"Klingon BC Korg 1 2 3 4 <player> () extra",
         {none, none, 359},
         "Klingon BC Korg 1 2 359 4 <player> () extra"},
        {"A  B 1 2 3 4 <internal> ()", {none, 12, none}, "A  B 1 12 3 4 <internal> ()"},
        {"A B C 1 2 3", {5, 6, 7}, "A B C 5 6 7"},
        {"A B C 1 2 ", {none, -2, none}, "A B C 1 -2 "},
        {"A B C 1 2", {5, none, none}, none},
    };
    // The UTF-16 lines are written one after another into the same string.
    std::u16string changed;
    for (const auto& [line, change, expected] : rows) {
        EXPECT_EQ(WithShipChange(line, change), expected) << line;
        // The same line as a list of the windows holds it.
        const std::u16string wide(line.begin(), line.end());
        ASSERT_EQ(WithShipChange(std::u16string_view(wide), change, changed), bool(expected))
            << line;
        if (expected) {
            EXPECT_EQ(changed, std::u16string(expected->begin(), expected->end())) << line;
        }
    }
    ASSERT_TRUE(
        WithShipChange(std::u16string_view(u"Federation DD Zoë\u00A0😀 0 0 90 2 <player> ()"),
                       {-12, none, 7}, changed));
    EXPECT_EQ(changed, u"Federation DD Zoë\u00A0😀 -12 0 7 2 <player> ()");
}

TEST(MapEdits, WholeNumbersAndHeadings) {
    const std::tuple<double, std::string, long long> rows[] = {
        {-0.4, "0", 0},
        {2.5, "3", 3},
        {-2.5, "-3", 357},
        {719.6, "720", 0},
        {-90, "-90", 270},
        {1e300, "2147483647", 0},
        {-1e300, "-2147483648", 0},
        {359.5, "360", 0},
    };
    for (const auto& [value, text, heading] : rows) {
        EXPECT_EQ(WholeNumberText(WholeUnits(value)), text) << value;
        EXPECT_EQ(NormalHeading(value), heading) << value;
    }
}

TEST(MapEdits, DragsAndStepsInWholeUnitsOrOntoTheGrid) {
    const MapShip ship{3, 0, "S", 10.5, -4, 90, false};
    EXPECT_EQ(DraggedPosition(ship, {100, 100}, {112.2, 90.6}, 0), (ShipChange{23, -13, none}));
    EXPECT_EQ(DraggedPosition(ship, {100, 100}, {112.2, 90.6}, 20), (ShipChange{20, -20, none}));

    const std::tuple<MapPoint, bool, std::optional<long long>> turns[] = {
        {{0, -10}, false, 0},     {{10, 0}, false, 90},      {{0, 10}, false, 180},
        {{-10, 0}, false, 270},   {{10, -11}, false, 42},    {{10, -11}, true, 45},
        {{-1, -100}, false, 359}, {{0.5, 0.5}, false, none},
    };
    for (const auto& [cursor, snap, heading] : turns) {
        EXPECT_EQ(DraggedHeading({0, 0}, cursor, snap), heading) << cursor.x << " " << cursor.y;
    }

    const std::tuple<double, int, double, bool, long long> steps[] = {
        {1.5, 1, 100, false, 102}, {1.5, -1, 1, false, 1},      {150, 1, 100, true, 200},
        {200, 1, 100, true, 300},  {-150, -1, 100, true, -200}, {10, -1, 15, true, 0},
    };
    for (const auto& [value, direction, step, snap, expected] : steps) {
        EXPECT_EQ(SteppedValue(value, direction, step, snap), expected) << value << " " << step;
    }
    EXPECT_EQ(GridStep(MapTransform(1000, {0, 0}), 800, 600), 1);
    EXPECT_EQ(GridStep(MapTransform(0.1, {0, 0}), 800, 600), 1000);

    // Past an edge the ship stays in sight and the view scrolls towards the cursor.
    const std::tuple<MapPoint, EdgeDrag> edges[] = {
        {{400, 300}, {{400, 300}, 0, 0}},   {{795, 300}, {{788, 300}, -7, 0}},
        {{900, -50}, {{788, 12}, -30, 30}}, {{5, 650}, {{12, 588}, 7, -30}},
        {{12, 588}, {{12, 588}, 0, 0}},
    };
    for (const auto& [cursor, expected] : edges) {
        EXPECT_EQ(DragAtEdge(cursor, 800, 600), expected) << cursor.x << " " << cursor.y;
    }
    EXPECT_EQ(DragAtEdge({-5, 30}, 20, 600).held, (MapPoint{10, 30}));
}

TEST(MapEdits, GripsTheSelectedHandleBeforeAnyMarker) {
    // Ship 1 heads east, so its handle lies on ship 2's marker.
    const std::vector<MapShip> ships = {
        {0, 0, "A", 0, 0, 0, false}, {1, 0, "B", 100, 0, 90, false}, {4, 0, "C", 120, 0, 0, false}};
    const MapTransform transform(1, {0, 0});
    const std::tuple<int, MapPoint, int, MapGrip> rows[] = {
        {1, {120, 0}, 1, MapGrip::Handle}, {0, {120, 0}, 4, MapGrip::Body},
        {-1, {97, 3}, 1, MapGrip::Body},   {1, {0, -20}, -1, MapGrip::None},
        {0, {0, -20}, 0, MapGrip::Handle},
    };
    for (const auto& [selected, at, row, grip] : rows) {
        const MapHit hit = GripAt(ships, selected, transform, at, 8);
        EXPECT_EQ(hit.row, row) << selected << " " << at.x;
        EXPECT_EQ(hit.grip, grip) << selected << " " << at.x;
    }
    EXPECT_EQ(FindShip(ships, 3), nullptr);
    const std::tuple<std::size_t, std::vector<std::string>, std::string> selections[] = {
        {1,
         {"Klingon BC Korg 1500 -200 270 3 <internal> ()"},
         "Selected ship Korg at X 1500, Y -200, heading 270"},
        {2,
         {"A B C 0 0 0 1 <internal> ()", "A B D 0 -7 0 1 <internal> ()"},
         "2 ships selected, Distance 7, bearing 180"},
        {2, {"A B C 0 0 0 1 <internal> ()", "A B D x 0 0 1 <internal> ()"}, "2 ships selected"},
        {30000, {}, "30000 ships selected"},
        {0, {}, "No ship selected"},
    };
    for (const auto& [count, lines, text] : selections) {
        EXPECT_EQ(SelectionDescription(count, lines), text);
    }
}

} // namespace
} // namespace forgeline
