#include "map/MapGeometry.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <numbers>

namespace forgeline {
namespace {

constexpr double Largest = std::numeric_limits<double>::max();

MapShip at(int row, double x, double y) {
    return {row, 0, "S", x, y, 0, false};
}

void expectNear(MapPoint actual, MapPoint expected, const std::string& what) {
    EXPECT_NEAR(actual.x, expected.x, 1e-9) << what;
    EXPECT_NEAR(actual.y, expected.y, 1e-9) << what;
}

TEST(MapGeometry, FitAreaHoldsEveryShipWithAMargin) {
    const std::pair<std::vector<MapShip>, MapArea> rows[] = {
        {{}, {{0, 0}, 550, 550}},
        {{at(0, 100, -200), at(1, 100, -200)}, {{100, -200}, 550, 550}},
        {{at(0, -100, 3), at(1, 100, 3)}, {{0, 3}, 110, 10}},
        {{at(0, 0, 500), at(1, 1000, 0), at(2, 400, 200)}, {{500, 250}, 550, 300}},
        {{at(0, -Largest, -Largest), at(1, Largest, Largest)}, {{0, 0}, Largest, Largest}}};
    for (const auto& [ships, expected] : rows) {
        const MapArea area = FitArea(ships);
        EXPECT_EQ(area.center, expected.center) << ships.size();
        EXPECT_DOUBLE_EQ(area.halfWidth, expected.halfWidth) << ships.size();
        EXPECT_DOUBLE_EQ(area.halfHeight, expected.halfHeight) << ships.size();
    }
}

TEST(MapGeometry, FitViewCentresTheAreaAtTheLargestScaleThatHoldsIt) {
    const std::tuple<MapArea, double, double, double> rows[] = {
        {{{500, 250}, 550, 300}, 800, 400, 200.0 / 300},
        {{{-40, 10}, 100, 10}, 400, 400, 2},
        {{{0, 0}, 550, 550}, 0, -5, 0.5 / 550},
        {{{1, 1}, 1e-9, 1e-9}, 800, 600, MaxScale},
        {{{0, 0}, Largest, Largest}, 800, 600, MinScale}};
    for (const auto& [area, width, height, scale] : rows) {
        const MapTransform transform = FitView(area, width, height);
        EXPECT_DOUBLE_EQ(transform.scale(), scale) << width;
        expectNear(transform.toView(area.center),
                   {std::max(width, 1.0) / 2, std::max(height, 1.0) / 2}, std::to_string(width));
    }
}

TEST(MapGeometry, TransformPutsWorldYUpPansAndZoomsAboutTheCursor) {
    MapTransform transform(2, {100, 50});
    for (const auto& [world, view] :
         {std::pair<MapPoint, MapPoint>{{10, 10}, {120, 30}}, {{0.25, -0.5}, {100.5, 51}}}) {
        EXPECT_EQ(transform.toView(world), view);
        EXPECT_EQ(transform.toWorld(view), world);
    }
    transform.pan(5, -7);
    EXPECT_EQ(transform.toView({1, 1}), (MapPoint{107, 41}));

    // Zooming keeps the point under the cursor, within the limits unless already beyond them.
    const std::tuple<double, double, double> rows[] = {{2, 2, 4},
                                                       {MaxScale / 1.5, 2, MaxScale},
                                                       {MinScale, 0.5, MinScale},
                                                       {MaxScale * 4, 0.5, MaxScale * 2},
                                                       {MaxScale * 4, 2, MaxScale * 4}};
    const MapPoint cursor{120, 30};
    for (const auto& [scale, factor, zoomed] : rows) {
        MapTransform zooming(scale, {100, 50});
        const MapPoint under = zooming.toWorld(cursor);
        zooming.zoomAbout(cursor, factor);
        EXPECT_DOUBLE_EQ(zooming.scale(), zoomed) << scale << " x" << factor;
        expectNear(zooming.toView(under), cursor, std::to_string(scale));
    }
}

TEST(MapGeometry, HeadingZeroPointsUpAndTurnsClockwise) {
    const double half = std::sqrt(0.5);
    const std::pair<double, MapPoint> rows[] = {
        {0, {0, -1}},        {90, {1, 0}},        {180, {0, 1}},    {-90, {-1, 0}},
        {45, {half, -half}}, {135, {half, half}}, {3600090, {1, 0}}};
    for (const auto& [degrees, direction] : rows) {
        expectNear(HeadingInView(degrees), direction, std::to_string(degrees));
    }
}

TEST(MapGeometry, WholeDegreesTurnAsAnyOtherHeading) {
    for (double degrees = -2; degrees <= 362; degrees += 0.5) {
        const double radians = std::fmod(degrees, 360.0) * std::numbers::pi / 180;
        const MapPoint way = HeadingInView(degrees);
        EXPECT_NEAR(way.x, std::sin(radians), 1e-12) << degrees;
        EXPECT_NEAR(way.y, -std::cos(radians), 1e-12) << degrees;
    }
}

TEST(MapGeometry, DevicePixelsRoundHalfUpOnEitherSideOfZero) {
    const std::tuple<double, double, int> rows[] = {{0, 1, 0},
                                                    {0.4, 1, 0},
                                                    {0.5, 1, 1},
                                                    {2.49, 1, 2},
                                                    {-0.5, 1, 0},
                                                    {-0.6, 1, -1},
                                                    {-1.5, 1, -1},
                                                    {-1.51, 1, -2},
                                                    {-7, 1, -7},
                                                    {1.25, 2, 3},
                                                    {-1.25, 2, -2},
                                                    {0.4, 1.5, 1},
                                                    {1e300, 1, 1000000000},
                                                    {-1e300, 1, -1000000000}};
    for (const auto& [at, ratio, pixel] : rows) {
        EXPECT_EQ(DevicePixel(at, ratio), pixel) << at << " x" << ratio;
    }
}

TEST(MapGeometry, ShipAtFindsTheNearestMarkerWithinTheRadius) {
    const std::vector<MapShip> ships = {at(0, 0, 0), at(2, 10, 0), at(5, 10, 0), at(7, 0, 30)};
    const MapTransform transform(1, {100, 100});
    // At a tie the one drawn last is on top.
    const std::tuple<MapPoint, double, int> rows[] = {
        {{104, 100}, 8, 0},  {{106, 100}, 8, 5}, {{105, 100}, 8, 5}, {{100, 108}, 8, 0},
        {{100, 109}, 8, -1}, {{100, 85}, 16, 7}, {{100, 100}, 0, 0}};
    for (const auto& [view, radius, row] : rows) {
        EXPECT_EQ(ShipAt(ships, transform, view, radius), row) << view.x << "," << view.y;
    }
}

TEST(MapGeometry, ANameGoesLeftOfItsShipWhereTheRightEdgeWouldCutIt) {
    // Ship, gap, name width, view width, where the name starts.
    const std::array<double, 5> rows[] = {{100, 10, 50, 400, 110},
                                          {340, 10, 50, 400, 350},
                                          {341, 10, 50, 400, 281},
                                          {390, 10, 50, 400, 330},
                                          {30, 10, 50, 60, 40}};
    for (const auto& [ship, gap, name, view, left] : rows) {
        EXPECT_EQ(NameLeft(ship, gap, name, view), left) << ship << " in " << view;
    }
}

TEST(MapGeometry, NamesAreLeftOutWhenShipsCrowdTheView) {
    const std::tuple<std::size_t, double, double, bool> rows[] = {
        {0, 0, 0, true},       {1, 0, 0, false},         {80, 800, 600, true},
        {81, 800, 600, false}, {30000, 800, 600, false}, {30000, 20000, 9000, true}};
    for (const auto& [ships, width, height, fit] : rows) {
        EXPECT_EQ(NamesFit(ships, width, height), fit) << ships << " in " << width;
    }
}

} // namespace
} // namespace forgeline
