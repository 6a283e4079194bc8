#include "map/GroupEdits.h"

#include "model/RowRuns.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace forgeline {
namespace {

constexpr auto none = std::nullopt;

TEST(GroupEdits, MovesAndTurnsTheGroupInWholeNumbers) {
    const std::vector<MapShip> group = {{1, 0, "A", 0, 0, 0, false},
                                        {4, 0, "B", 100, 0, 350, false},
                                        {5, 0, "C", 2147483000, 100.5, 90, false}};
    EXPECT_EQ(MovedGroup(group, 10.4, -1000),
              (std::vector<ShipEdit>{
                  {1, {10, -1000, none}}, {4, {110, -1000, none}}, {5, {2147483010, -900, none}}}));
    EXPECT_EQ(MovedGroup(group, 1000, 0)[2].change.x, HighestWhole);

    // About the centre of the box (50, 0): a quarter turn clockwise with +Y up.
    const std::vector<MapShip> pair(group.begin(), group.begin() + 2);
    EXPECT_EQ(TurnedAboutCentre(pair, 90),
              (std::vector<ShipEdit>{{1, {50, 50, 90}}, {4, {50, -50, 80}}}));
    EXPECT_EQ(TurnedAboutCentre(pair, -15),
              (std::vector<ShipEdit>{{1, {2, -13, 345}}, {4, {98, 13, 335}}}));
    EXPECT_TRUE(TurnedAboutCentre({}, 15).empty());
}

TEST(GroupEdits, PicksMeasuresAndShifts) {
    const std::vector<MapShip> ships = {
        {0, 0, "A", 0, 0, 0, false}, {2, 0, "B", 30, 40, 0, false}, {3, 0, "C", -10, 10, 0, false}};
    const MapTransform transform(1, {100, 100});
    EXPECT_EQ(RowsInRectangle(ships, transform, {140, 50}, {100, 100}), (std::vector<int>{0, 2}));
    EXPECT_EQ(RowsInRectangle(ships, transform, {89, 89}, {91, 91}), (std::vector<int>{3}));
    EXPECT_TRUE(RowsInRectangle(ships, transform, {0, 0}, {50, 50}).empty());

    const std::tuple<int, int, std::string> measures[] = {{0, 1, "Distance 50, bearing 37"},
                                                          {1, 0, "Distance 50, bearing 217"},
                                                          {0, 2, "Distance 14, bearing 315"},
                                                          {0, 0, "Distance 0, bearing 0"}};
    for (const auto& [from, to, text] : measures) {
        EXPECT_EQ(DistanceAndBearing(ships[from], ships[to]), text);
    }

    EXPECT_EQ(ShiftedLine("Klingon BC Korg 1500 -200.5 270 3 <internal> ()", 7.2, 0),
              "Klingon BC Korg 1507 -201 270 3 <internal> ()");
    EXPECT_EQ(ShiftedLine("Klingon BC Korg x 0 270 3 <internal> ()", 7, 0),
              "Klingon BC Korg x 0 270 3 <internal> ()");
    EXPECT_EQ(OffsetToCentre({"A B C 0 0 0 1 <internal> ()", "A B D 100 51 0 1 <internal> ()"},
                             {500, 500}),
              (MapPoint{450, 475}));
    EXPECT_EQ(OpeningGridStep({"A B C 0 0 0 1 <internal> ()", "A B D 1000 0 0 1 <internal> ()"}),
              100);

    EXPECT_EQ(RunsOf({0, 1, 2, 5, 7, 8}), (std::vector<RowRun>{{0, 2}, {5, 5}, {7, 8}}));
    EXPECT_EQ(RowsOf({{0, 2}, {5, 5}}), (std::vector<int>{0, 1, 2, 5}));
}

TEST(GroupEdits, RunsInAnyOrderJoinAsTheirRowsWould) {
    const std::pair<std::vector<RowRun>, std::vector<RowRun>> rows[] = {
        {{}, {}},
        {{{3, 3}}, {{3, 3}}},
        // Out of order, touching, inside another, overlapping, apart.
        {{{7, 9}, {0, 2}, {3, 4}}, {{0, 4}, {7, 9}}},
        {{{0, 10}, {2, 3}, {10, 12}, {14, 14}}, {{0, 12}, {14, 14}}},
        {{{5, 6}, {0, 1}}, {{0, 1}, {5, 6}}},
        {{{2147483647, 2147483647}, {0, 0}, {2147483646, 2147483647}},
         {{0, 0}, {2147483646, 2147483647}}},
    };
    for (const auto& [runs, joined] : rows) {
        EXPECT_EQ(JoinedRuns(runs), joined) << runs.size();
        std::vector<int> each;
        for (const RowRun& run : runs) {
            for (long long row = run.first; row <= run.last; ++row) {
                each.push_back(static_cast<int>(row));
            }
        }
        std::sort(each.begin(), each.end());
        each.erase(std::unique(each.begin(), each.end()), each.end());
        EXPECT_EQ(RunsOf(each), joined) << runs.size();
    }
}

} // namespace
} // namespace forgeline
