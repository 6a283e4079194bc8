#include "map/GroupEdits.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace forgeline {
namespace {

// The map's view when it opens, in pixels.
constexpr double OpeningWidth = 690;
constexpr double OpeningHeight = 600;

MapArea boxAround(const std::vector<MapShip>& group) {
    double left = group.front().x;
    double right = left;
    double bottom = group.front().y;
    double top = bottom;
    for (const MapShip& ship : group) {
        left = std::min(left, ship.x);
        right = std::max(right, ship.x);
        bottom = std::min(bottom, ship.y);
        top = std::max(top, ship.y);
    }
    // Halves first, so that far-flung co-ordinates never overflow a sum.
    return {
        {left / 2 + right / 2, bottom / 2 + top / 2}, right / 2 - left / 2, top / 2 - bottom / 2};
}

} // namespace

std::vector<ShipEdit> MovedGroup(const std::vector<MapShip>& group, double dx, double dy) {
    std::vector<ShipEdit> edits;
    edits.reserve(group.size());
    for (const MapShip& ship : group) {
        edits.push_back({ship.row, {WholeUnits(ship.x + dx), WholeUnits(ship.y + dy), {}}});
    }
    return edits;
}

std::vector<ShipEdit> TurnedAboutCentre(const std::vector<MapShip>& group, double degrees) {
    std::vector<ShipEdit> edits;
    if (group.empty()) {
        return edits;
    }
    const MapPoint centre = boxAround(group).center;
    // Clockwise with +Y up.
    const double angle = -degrees * std::numbers::pi / 180;
    const double cos = std::cos(angle);
    const double sin = std::sin(angle);
    edits.reserve(group.size());
    for (const MapShip& ship : group) {
        const double x = ship.x - centre.x;
        const double y = ship.y - centre.y;
        edits.push_back(
            {ship.row,
             {WholeUnits(centre.x + x * cos - y * sin), WholeUnits(centre.y + x * sin + y * cos),
              NormalHeading(ship.heading + degrees)}});
    }
    return edits;
}

std::vector<int> RowsInRectangle(const std::vector<MapShip>& ships, const MapTransform& transform,
                                 MapPoint corner, MapPoint opposite) {
    const double left = std::min(corner.x, opposite.x);
    const double right = std::max(corner.x, opposite.x);
    const double top = std::min(corner.y, opposite.y);
    const double bottom = std::max(corner.y, opposite.y);
    std::vector<int> rows;
    for (const MapShip& ship : ships) {
        const MapPoint at = transform.toView({ship.x, ship.y});
        if (at.x >= left && at.x <= right && at.y >= top && at.y <= bottom) {
            rows.push_back(ship.row);
        }
    }
    return rows;
}

std::string DistanceAndBearing(const MapShip& from, const MapShip& to) {
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double degrees = std::atan2(dx, dy) * 180 / std::numbers::pi;
    return "Distance " + std::to_string(std::llround(std::hypot(dx, dy))) + ", bearing " +
           std::to_string(NormalHeading(degrees));
}

std::string ShiftedLine(std::string_view line, double dx, double dy) {
    const MapShips ships = ShipsForMap({std::string(line)});
    if (ships.ships.empty()) {
        return std::string(line);
    }
    const MapShip& ship = ships.ships.front();
    return *WithShipChange(line, {WholeUnits(ship.x + dx), WholeUnits(ship.y + dy), {}});
}

MapPoint OffsetToCentre(const std::vector<std::string>& lines, MapPoint at) {
    const MapShips ships = ShipsForMap(lines);
    if (ships.ships.empty()) {
        return {};
    }
    const MapPoint centre = boxAround(ships.ships).center;
    return {std::round(at.x - centre.x), std::round(at.y - centre.y)};
}

double OpeningGridStep(const std::vector<std::string>& lines) {
    return GridStep(FitView(FitArea(ShipsForMap(lines).ships), OpeningWidth, OpeningHeight),
                    OpeningWidth, OpeningHeight);
}

} // namespace forgeline
