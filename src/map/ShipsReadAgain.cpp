#include "map/ShipsReadAgain.h"

#include "map/RowSearch.h"

#include <algorithm>

namespace forgeline {
namespace {

// Walks a reading's ships along ascending rows: the ship of each row asked for, if it has one.
template <typename Ships> class RowCursor {
  public:
    explicit RowCursor(Ships& ships) : ships_(ships) {}

    auto* at(int row) {
        while (next_ < ships_.size() && ships_[next_].row < row) {
            ++next_;
        }
        return next_ < ships_.size() && ships_[next_].row == row ? &ships_[next_] : nullptr;
    }

  private:
    Ships& ships_;
    std::size_t next_ = 0;
};

void writeChange(MapShip& ship, const ShipChange& change) {
    if (change.x) {
        ship.x = static_cast<double>(*change.x);
    }
    if (change.y) {
        ship.y = static_cast<double>(*change.y);
    }
    if (change.heading) {
        ship.heading = static_cast<double>(*change.heading);
    }
}

} // namespace

MapShips ShipsReadAgain(const std::vector<std::u16string_view>& lines,
                        const std::vector<LineSource>& sources, ReadingsBefore before,
                        std::vector<MapShip> room) {
    // A group's edits come in the order of its rows; any other order is sorted first.
    const auto byRow = [](const ShipEdit& a, const ShipEdit& b) { return a.row < b.row; };
    std::vector<ShipEdit> sorted;
    const std::vector<ShipEdit>* edits = &before.edits;
    if (!std::is_sorted(edits->begin(), edits->end(), byRow)) {
        sorted = before.edits;
        std::stable_sort(sorted.begin(), sorted.end(), byRow);
        edits = &sorted;
    }
    auto nextEdit = edits->begin();
    // A row edited twice is read: which of the two its line holds is not the map's to say.
    const auto editOf = [&](int row) -> const ShipChange* {
        nextEdit = FirstFromRow(nextEdit, edits->end(), row);
        if (nextEdit == edits->end() || nextEdit->row != row ||
            (nextEdit + 1 != edits->end() && (nextEdit + 1)->row == row)) {
            return nullptr;
        }
        return &nextEdit->change;
    };

    RowCursor current(before.current);
    RowCursor earlier(before.earlier);
    MapShips result;
    room.clear();
    result.ships = std::move(room);
    result.ships.reserve(lines.size());
    std::vector<MapShip>& ships = result.ships;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const int row = static_cast<int>(index);
        const LineSource source = index < sources.size() ? sources[index] : LineSource::Read;
        bool shown = false;
        switch (source) {
        case LineSource::Kept:
            if (const MapShip* kept = current.at(row)) {
                ships.push_back(*kept);
                shown = true;
            }
            break;
        case LineSource::Edited: {
            const MapShip* kept = current.at(row);
            const ShipChange* change = editOf(row);
            if (kept != nullptr && change != nullptr) {
                ships.push_back(*kept);
                writeChange(ships.back(), *change);
                shown = true;
            } else {
                shown = AddShipForMap(lines[index], row, ships);
            }
            break;
        }
        case LineSource::Earlier:
            if (MapShip* taken = earlier.at(row)) {
                ships.push_back(std::move(*taken));
                shown = true;
            }
            break;
        case LineSource::Read:
            shown = AddShipForMap(lines[index], row, ships);
            break;
        }
        result.notShown += shown ? 0 : 1;
    }
    return result;
}

} // namespace forgeline
