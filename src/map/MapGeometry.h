#pragma once

#include "map/MapShips.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

namespace forgeline {

struct MapPoint {
    double x = 0;
    double y = 0;

    friend bool operator==(const MapPoint&, const MapPoint&) = default;
};

// A world area kept as centre and half extents, so that far-flung co-ordinates never
// overflow a width.
struct MapArea {
    MapPoint center;
    double halfWidth = 0;
    double halfHeight = 0;
};

// Added on every side, as a share of the larger half extent.
inline constexpr double FitMargin = 0.1;
// Half the side of the square shown around a lone ship (or ships all at one point).
inline constexpr double LoneShipHalfExtent = 500;
// Pixels per game unit the view may take.
inline constexpr double MinScale = 1e-300;
inline constexpr double MaxScale = 1e4;
// Length of a ship's heading arrow in pixels.
inline constexpr double ArrowLength = 20;

// The world area that holds every ship with a margin; around the origin when there are none.
MapArea FitArea(const std::vector<MapShip>& ships);

// World to view: uniform scale, world +Y up on the screen (view y grows downwards).
class MapTransform {
  public:
    MapTransform() = default;
    // origin: where the world's (0, 0) lies in the view.
    MapTransform(double scale, MapPoint origin) : scale_(scale), origin_(origin) {}

    double scale() const { return scale_; }
    MapPoint origin() const { return origin_; }

    // Inline: the map places every one of tens of thousands of ships with it on each paint.
    MapPoint toView(MapPoint world) const {
        return {origin_.x + world.x * scale_, origin_.y - world.y * scale_};
    }
    MapPoint toWorld(MapPoint view) const;

    // The world point under the view point stays where it is.
    void zoomAbout(MapPoint view, double factor);
    void pan(double dx, double dy);

  private:
    double scale_ = 1;
    MapPoint origin_;
};

// The transform that shows the whole area centred in a view of the given size.
MapTransform FitView(const MapArea& area, double width, double height);

// Unit vector of a heading in view co-ordinates: 0 degrees points up (+Y), turning clockwise.
MapPoint ExactHeadingInView(double degrees);

// The same for each whole degree from 0 to 359, worked out when first asked for.
inline const std::array<MapPoint, 360>& WholeDegreeHeadings() {
    static const std::array<MapPoint, 360> ways = [] {
        std::array<MapPoint, 360> worked{};
        for (std::size_t degree = 0; degree < worked.size(); ++degree) {
            worked[degree] = ExactHeadingInView(double(degree));
        }
        return worked;
    }();
    return ways;
}

// Inline, as DevicePixel is: a crowd places every one of its ships with both.
inline MapPoint HeadingInView(double degrees) {
    // Nearly every heading is a whole degree.
    if (degrees >= 0 && degrees < 360) {
        const int whole = static_cast<int>(degrees);
        if (whole == degrees) {
            return WholeDegreeHeadings()[static_cast<std::size_t>(whole)];
        }
    }
    return ExactHeadingInView(degrees);
}

// The whole number at or below `value`, which is held within a billion either way. Rounded down
// by hand: std::floor is a call, or a long sequence, on processors without SSE 4.1.
inline int WholeAtOrBelow(double value) {
    const double held = std::clamp(value, -1e9, 1e9);
    const int truncated = static_cast<int>(held);
    return truncated - int(held < truncated);
}

// The device pixel where a picture drawn at a view co-ordinate lands, at `ratio` device pixels
// a view pixel, rounded as Qt's painter rounds it: half a pixel and more goes up.
inline int DevicePixel(double at, double ratio) {
    return WholeAtOrBelow(at * ratio + 0.5);
}

// The row of the ship nearest the view point within the radius in pixels, or -1. Of ships at
// the same distance the later one wins, as it is drawn on top.
int ShipAt(const std::vector<MapShip>& ships, const MapTransform& transform, MapPoint view,
           double radius);

// Where a ship's name starts in a view of the given width: `gap` right of the ship, or as far
// left of it where the view's right edge would cut the name and the left one would not.
double NameLeft(double shipX, double gap, double nameWidth, double viewWidth);

// Whether names can be written beside this many ships without burying them.
bool NamesFit(std::size_t shipsInView, double width, double height);

} // namespace forgeline
