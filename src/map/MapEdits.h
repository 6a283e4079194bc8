#pragma once

#include "map/MapGeometry.h"
#include "map/MapShips.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace forgeline {

// The numbers a move or turn on the map gives one force line; a field left empty keeps its
// text.
struct ShipChange {
    std::optional<long long> x;
    std::optional<long long> y;
    std::optional<long long> heading;

    friend bool operator==(const ShipChange&, const ShipChange&) = default;
};

// Whole units as every reader of the files takes them: within a 32-bit signed integer.
inline constexpr long long LowestWhole = -2147483648LL;
inline constexpr long long HighestWhole = 2147483647LL;
// "[" and "]" turn by this many degrees.
inline constexpr int TurnStep = 15;

// Nearest whole number (halves away from zero), held within the whole units readers take.
long long WholeUnits(double value);

// The decimal text of a whole number: "-" for negatives only, no "+", point or padding.
std::string WholeNumberText(long long value);

// The line with X, Y and heading replaced as the change says; every other byte stays. Nothing
// for a line too short to hold those fields.
std::optional<std::string> WithShipChange(std::string_view line, const ShipChange& change);
// The same for a line in UTF-16, as the windows' lists hold it, written into `changed`, whose
// room serves one line after another; false, and `changed` of no use, for a line too short.
bool WithShipChange(std::u16string_view line, const ShipChange& change, std::u16string& changed);

// A heading in whole degrees 0 to 359.
long long NormalHeading(double degrees);

// Where a ship dragged from `pressed` to `now` (world points) lands: kept at the offset it was
// grabbed by, in whole units, or on the nearest multiple of `snapStep` when that is above zero.
ShipChange DraggedPosition(const MapShip& ship, MapPoint pressed, MapPoint now, double snapStep);

// The heading that points from the ship to the cursor, both in view co-ordinates, in whole
// degrees, or to the nearest TurnStep when snapping; nothing while the cursor is on the ship.
std::optional<long long> DraggedHeading(MapPoint ship, MapPoint cursor, bool snap);

// One step along an axis (direction +1 or -1): by `step` in whole units, or, when snapping, to
// the next multiple of `step` that way.
long long SteppedValue(double value, int direction, double step, bool snap);

// The grid step of the view in whole units, at least one.
double GridStep(const MapTransform& transform, double width, double height);

// A ship dragged towards or past the view's edge stays in sight, `EdgeMargin` pixels inside
// it, while the view scrolls towards the cursor by how far it is past that, at most `EdgeStep`
// pixels a time.
inline constexpr double EdgeMargin = 12;
inline constexpr double EdgeStep = 30;

struct EdgeDrag {
    MapPoint held;
    double scrollX = 0;
    double scrollY = 0;

    friend bool operator==(const EdgeDrag&, const EdgeDrag&) = default;
};

EdgeDrag DragAtEdge(MapPoint cursor, double width, double height);

// The ship of a row, or none when the row is not on the map. Ships are in row order.
const MapShip* FindShip(const std::vector<MapShip>& ships, int row);

enum class MapGrip { None, Body, Handle };

struct MapHit {
    int row = -1;
    MapGrip grip = MapGrip::None;
};

// The tip of the ship's heading arrow in the view, where its turning handle sits.
MapPoint HandleInView(const MapShip& ship, const MapTransform& transform);

// What a press at the view point takes hold of: the selected ship's handle before any marker,
// then the nearest marker within the radius.
MapHit GripAt(const std::vector<MapShip>& ships, int selectedRow, const MapTransform& transform,
              MapPoint view, double radius);

// How a screen reader names the `count` selected lines: one by its name, position and heading
// as written; several by their count, two with their distance and bearing. `lines` holds the
// selected lines when they are one or two.
std::string SelectionDescription(std::size_t count, const std::vector<std::string>& lines);

} // namespace forgeline
