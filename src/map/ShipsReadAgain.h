#pragma once

#include "map/GroupEdits.h"
#include "map/MapShips.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace forgeline {

// Where a reading of lines takes a line's ship from. A line read before is not read again: the
// map reads every line of a fleet after each change, and a change of thirty thousand ships
// that the map made itself, or the undo of one, would otherwise cost a reading of them all.
enum class LineSource : std::uint8_t {
    Read,    // new to the map
    Kept,    // the very line of the current reading's row
    Edited,  // the current reading's line of the row, with the numbers of its edit written in
    Earlier, // the very line of the reading before the current one, in the same row
};

// What was read before. Both readings hold their ships in row order.
struct ReadingsBefore {
    const std::vector<MapShip>& current;
    // The map's own edits written into lines of the current reading, one at most for a row.
    const std::vector<ShipEdit>& edits;
    // Ships taken from it are moved out: it is the reading that is given up.
    std::vector<MapShip>& earlier;
};

// The ships of `lines`, each taken from where `sources`, one for each line, says; a row the
// reading it names holds no ship of is counted as not shown, except an edited one, whose line
// is read. The ships are laid in `room`, whatever it held before: storage of a reading given up
// serves the next one without new pages of memory.
MapShips ShipsReadAgain(const std::vector<std::u16string_view>& lines,
                        const std::vector<LineSource>& sources, ReadingsBefore before,
                        std::vector<MapShip> room = {});

} // namespace forgeline
