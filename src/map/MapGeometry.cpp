#include "map/MapGeometry.h"

#include "model/ForceChecks.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace forgeline {
namespace {

constexpr double Largest = std::numeric_limits<double>::max();
// View area a written name needs, in square pixels.
constexpr double NameArea = 6000;

} // namespace

MapArea FitArea(const std::vector<MapShip>& ships) {
    double minX = 0;
    double maxX = 0;
    double minY = 0;
    double maxY = 0;
    if (!ships.empty()) {
        minX = maxX = ships.front().x;
        minY = maxY = ships.front().y;
    }
    for (const MapShip& ship : ships) {
        minX = std::min(minX, ship.x);
        maxX = std::max(maxX, ship.x);
        minY = std::min(minY, ship.y);
        maxY = std::max(maxY, ship.y);
    }
    // Halved before subtracting: the extremes of a double would overflow their difference.
    double halfWidth = maxX / 2 - minX / 2;
    double halfHeight = maxY / 2 - minY / 2;
    double larger = std::max(halfWidth, halfHeight);
    if (larger == 0) {
        halfWidth = halfHeight = larger = LoneShipHalfExtent;
    }
    const double margin = larger * FitMargin;
    return {{minX / 2 + maxX / 2, minY / 2 + maxY / 2},
            std::min(halfWidth + margin, Largest),
            std::min(halfHeight + margin, Largest)};
}

MapPoint MapTransform::toWorld(MapPoint view) const {
    return {(view.x - origin_.x) / scale_, (origin_.y - view.y) / scale_};
}

void MapTransform::zoomAbout(MapPoint view, double factor) {
    // A view already beyond a limit may still come back towards it.
    const double scale =
        std::clamp(scale_ * factor, std::min(MinScale, scale_), std::max(MaxScale, scale_));
    const double applied = scale / scale_;
    origin_ = {view.x - (view.x - origin_.x) * applied, view.y - (view.y - origin_.y) * applied};
    scale_ = scale;
}

void MapTransform::pan(double dx, double dy) {
    origin_.x += dx;
    origin_.y += dy;
}

MapTransform FitView(const MapArea& area, double width, double height) {
    width = std::max(width, 1.0);
    height = std::max(height, 1.0);
    const double scale = std::clamp(
        std::min(width / 2 / area.halfWidth, height / 2 / area.halfHeight), MinScale, MaxScale);
    return {scale, {width / 2 - area.center.x * scale, height / 2 + area.center.y * scale}};
}

MapPoint ExactHeadingInView(double degrees) {
    const double radians = std::fmod(degrees, 360.0) * std::numbers::pi / 180;
    return {std::sin(radians), -std::cos(radians)};
}

int ShipAt(const std::vector<MapShip>& ships, const MapTransform& transform, MapPoint view,
           double radius) {
    int found = NoSelection;
    double nearest = radius * radius;
    for (const MapShip& ship : ships) {
        const MapPoint at = transform.toView({ship.x, ship.y});
        const double dx = at.x - view.x;
        const double dy = at.y - view.y;
        const double distance = dx * dx + dy * dy;
        if (distance <= nearest) {
            nearest = distance;
            found = ship.row;
        }
    }
    return found;
}

double NameLeft(double shipX, double gap, double nameWidth, double viewWidth) {
    const double right = shipX + gap;
    const double left = shipX - gap - nameWidth;
    return right + nameWidth > viewWidth && left >= 0 ? left : right;
}

bool NamesFit(std::size_t shipsInView, double width, double height) {
    return static_cast<double>(shipsInView) * NameArea <= width * height;
}

} // namespace forgeline
