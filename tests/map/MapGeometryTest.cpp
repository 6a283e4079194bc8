#include "map/MapGeometry.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace forgeline {
namespace {

constexpr double Largest = std::numeric_limits<double>::max();

MapShip at(int row, double x, double y) {
    return {row, 0, "S", x, y, 0, false};
}

void expectNear(MapPoint actual, MapPoint expected, const char* what) {
    EXPECT_NEAR(actual.x, expected.x, 1e-9) << what;
    EXPECT_NEAR(actual.y, expected.y, 1e-9) << what;
}

TEST(MapGeometry, FitAreaHoldsEveryShipWithAMargin) {
    struct Row {
        const char* what;
        std::vector<MapShip> ships;
        MapArea area;
    };
    const Row rows[] = {
        {"no ships", {}, {{0, 0}, 550, 550}},
        {"lone ship", {at(0, 100, -200)}, {{100, -200}, 550, 550}},
        {"all at one point", {at(0, 7, 7), at(1, 7, 7)}, {{7, 7}, 550, 550}},
        {"a row along X", {at(0, -100, 3), at(1, 100, 3)}, {{0, 3}, 110, 10}},
        {"spread", {at(0, 0, 500), at(1, 1000, 0), at(2, 400, 200)}, {{500, 250}, 550, 300}},
        {"far flung",
         {at(0, -Largest, -Largest), at(1, Largest, Largest)},
         {{0, 0}, Largest, Largest}},
    };
    for (const Row& row : rows) {
        const MapArea area = FitArea(row.ships);
        EXPECT_EQ(area.center, row.area.center) << row.what;
        EXPECT_DOUBLE_EQ(area.halfWidth, row.area.halfWidth) << row.what;
        EXPECT_DOUBLE_EQ(area.halfHeight, row.area.halfHeight) << row.what;
    }
}

TEST(MapGeometry, FitViewCentresTheAreaAtTheLargestScaleThatHoldsIt) {
    struct Row {
        const char* what;
        MapArea area;
        double width;
        double height;
        double scale;
    };
    const Row rows[] = {
        {"square in square", {{0, 0}, 550, 550}, 1100, 1100, 1},
        {"height limits", {{500, 250}, 550, 300}, 800, 400, 200.0 / 300},
        {"width limits", {{-40, 10}, 100, 10}, 400, 400, 2},
        {"empty view", {{0, 0}, 550, 550}, 0, -5, 0.5 / 550},
        {"tiny area", {{1, 1}, 1e-9, 1e-9}, 800, 600, MaxScale},
        {"far flung", {{0, 0}, Largest, Largest}, 800, 600, MinScale},
    };
    for (const Row& row : rows) {
        const MapTransform transform = FitView(row.area, row.width, row.height);
        EXPECT_DOUBLE_EQ(transform.scale(), row.scale) << row.what;
        const MapPoint middle{std::max(row.width, 1.0) / 2, std::max(row.height, 1.0) / 2};
        expectNear(transform.toView(row.area.center), middle, row.what);
    }
}

TEST(MapGeometry, TransformPutsWorldYUpAndRoundTrips) {
    const MapTransform transform(2, {100, 50});
    const std::pair<MapPoint, MapPoint> rows[] = {
        {{0, 0}, {100, 50}},
        {{10, 10}, {120, 30}},
        {{-5, -5}, {90, 60}},
        {{0.25, -0.5}, {100.5, 51}},
    };
    for (const auto& [world, view] : rows) {
        EXPECT_EQ(transform.toView(world), view);
        EXPECT_EQ(transform.toWorld(view), world);
    }
}

TEST(MapGeometry, ZoomKeepsThePointUnderTheCursorWithinTheLimits) {
    struct Row {
        const char* what;
        double scale;
        double factor;
        double zoomed;
    };
    const Row rows[] = {
        {"in", 2, 2, 4},
        {"out", 2, 0.5, 1},
        {"in at the limit", MaxScale, 2, MaxScale},
        {"in towards the limit", MaxScale / 1.5, 2, MaxScale},
        {"out at the limit", MinScale, 0.5, MinScale},
        {"back from beyond", MaxScale * 4, 0.5, MaxScale * 2},
        {"not further beyond", MaxScale * 4, 2, MaxScale * 4},
    };
    const MapPoint cursor{120, 30};
    for (const Row& row : rows) {
        MapTransform transform(row.scale, {100, 50});
        const MapPoint under = transform.toWorld(cursor);
        transform.zoomAbout(cursor, row.factor);
        EXPECT_DOUBLE_EQ(transform.scale(), row.zoomed) << row.what;
        expectNear(transform.toView(under), cursor, row.what);
    }
}

TEST(MapGeometry, PanMovesTheWorldByThePixelDelta) {
    MapTransform transform(3, {10, 20});
    transform.pan(5, -7);
    EXPECT_EQ(transform.origin(), (MapPoint{15, 13}));
    EXPECT_EQ(transform.toView({1, 1}), (MapPoint{18, 10}));
    EXPECT_EQ(transform.scale(), 3);
}

TEST(MapGeometry, HeadingZeroPointsUpAndTurnsClockwise) {
    const double half = std::sqrt(0.5);
    const std::pair<double, MapPoint> rows[] = {
        {0, {0, -1}},   {90, {1, 0}},  {180, {0, 1}},       {270, {-1, 0}},      {360, {0, -1}},
        {-90, {-1, 0}}, {810, {1, 0}}, {45, {half, -half}}, {135, {half, half}}, {3600090, {1, 0}},
    };
    for (const auto& [degrees, direction] : rows) {
        expectNear(HeadingInView(degrees), direction, std::to_string(degrees).c_str());
    }
}

TEST(MapGeometry, ShipAtFindsTheNearestMarkerWithinTheRadius) {
    const std::vector<MapShip> ships = {at(0, 0, 0), at(2, 10, 0), at(5, 10, 0), at(7, 0, 30)};
    const MapTransform transform(1, {100, 100});
    struct Row {
        MapPoint view;
        double radius;
        int row;
    };
    const Row rows[] = {
        {{100, 100}, 8, 0},
        {{104, 100}, 8, 0},
        {{106, 100}, 8, 5},
        // A tie, and ships on one spot: the one drawn last is on top.
        {{105, 100}, 8, 5},
        {{110, 100}, 8, 5},
        {{100, 108}, 8, 0},
        {{100, 109}, 8, -1},
        {{100, 70}, 8, 7},
        {{100, 85}, 8, -1},
        {{100, 85}, 16, 7},
        {{100, 100}, 0, 0},
        {{100.5, 100}, 0, -1},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ShipAt(ships, transform, row.view, row.radius), row.row)
            << row.view.x << "," << row.view.y << " r" << row.radius;
    }
    EXPECT_EQ(ShipAt({}, transform, {100, 100}, 8), -1);
}

TEST(MapGeometry, NamesAreLeftOutWhenShipsCrowdTheView) {
    struct Row {
        std::size_t ships;
        double width;
        double height;
        bool fit;
    };
    const Row rows[] = {
        {0, 0, 0, true},       {1, 0, 0, false},         {80, 800, 600, true},
        {81, 800, 600, false}, {30000, 800, 600, false}, {30000, 20000, 9000, true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(NamesFit(row.ships, row.width, row.height), row.fit)
            << row.ships << " in " << row.width << "x" << row.height;
    }
}

} // namespace
} // namespace forgeline
