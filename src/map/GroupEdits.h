#pragma once

// Rules for a selection of several ships: moving and turning them together, picking them with
// a rectangle, measuring between two, and the commands that copy and paste them.

#include "map/MapEdits.h"
#include "map/MapGeometry.h"
#include "map/MapShips.h"

#include <string>
#include <string_view>
#include <vector>

namespace forgeline {

// One ship's change within a group's.
struct ShipEdit {
    int row = 0;
    ShipChange change;

    friend bool operator==(const ShipEdit&, const ShipEdit&) = default;
};

enum class FleetCommand { SelectAll, Copy, Cut, Paste, Duplicate, Delete };

// A command and, when asked for on the map, where the cursor stood (for Paste) and the grid
// step shown (for Duplicate; 0 without a map).
struct FleetRequest {
    FleetCommand command = FleetCommand::Copy;
    std::optional<MapPoint> cursor;
    double gridStep = 0;
};

// Each ship moved by (dx, dy) world units, landing on whole units.
std::vector<ShipEdit> MovedGroup(const std::vector<MapShip>& group, double dx, double dy);

// The group turned by `degrees` clockwise about the centre of the box around it: positions and
// headings, in whole units and degrees.
std::vector<ShipEdit> TurnedAboutCentre(const std::vector<MapShip>& group, double degrees);

// The rows of the ships drawn within the rectangle of the two view points, in row order.
std::vector<int> RowsInRectangle(const std::vector<MapShip>& ships, const MapTransform& transform,
                                 MapPoint corner, MapPoint opposite);

// "Distance 500, bearing 90": whole units, and degrees as headings count them, from `from`.
std::string DistanceAndBearing(const MapShip& from, const MapShip& to);

// The line moved by (dx, dy) in whole units; a line without numbers there stays as it is.
std::string ShiftedLine(std::string_view line, double dx, double dy);

// How far lines are moved so that the centre of the box around their ships lies at `at`.
MapPoint OffsetToCentre(const std::vector<std::string>& lines, MapPoint at);

// The grid step of the map fitted to the lines at the size it opens with, for a duplicate made
// while no map is open.
double OpeningGridStep(const std::vector<std::string>& lines);

} // namespace forgeline
