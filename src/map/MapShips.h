#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace forgeline {

// One ship as the map draws it.
struct MapShip {
    int row = 0;     // position of its line in the list
    int nation = -1; // nation code, -1 for a name outside the catalogue
    std::string name;
    double x = 0;
    double y = 0;
    double heading = 0; // degrees
    bool player = false;

    friend bool operator==(const MapShip&, const MapShip&) = default;
};

struct MapShips {
    std::vector<MapShip> ships;
    int notShown = 0;
};

// The lines that have all eight fields and numbers for X, Y and heading become ships; the
// rest are only counted.
MapShips ShipsForMap(const std::vector<std::string>& lines);
// The same read from UTF-16 text, as a list of the windows holds it, without a copy of each
// line; names come out in UTF-8.
MapShips ShipsForMap(const std::vector<std::u16string_view>& lines);
// Adds the ship of one such line, given the line's row, to `ships`; false for a line that is
// only counted.
bool AddShipForMap(std::u16string_view line, int row, std::vector<MapShip>& ships);

// "1 ship not shown", "N ships not shown", or nothing when every line is on the map.
std::string NotShownText(int count);

} // namespace forgeline
