#include "map/MapEdits.h"

#include "map/GroupEdits.h"
#include "map/MapTicks.h"
#include "model/ForceLine.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace forgeline {

long long WholeUnits(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    const double whole = std::round(value);
    if (whole <= double(LowestWhole)) {
        return LowestWhole;
    }
    if (whole >= double(HighestWhole)) {
        return HighestWhole;
    }
    return static_cast<long long>(whole);
}

std::string WholeNumberText(long long value) {
    return std::to_string(value);
}

namespace {

template <typename Char>
bool withShipChange(std::basic_string_view<Char> line, const ShipChange& change,
                    std::basic_string<Char>& result) {
    // Start and end of the pieces up to the heading, found by the same single-space cut as
    // every reader of the line makes, in one pass over the characters.
    constexpr auto X = static_cast<std::size_t>(ForceField::X);
    constexpr auto Heading = static_cast<std::size_t>(ForceField::Heading);
    std::array<std::size_t, Heading + 2> starts{};
    std::size_t pieces = 1;
    for (std::size_t at = 0; at < line.size() && pieces < starts.size(); ++at) {
        if (line[at] == Char(' ')) {
            starts[pieces++] = at + 1;
        }
    }
    if (pieces <= Heading) {
        return false;
    }
    if (pieces == Heading + 1) {
        starts[Heading + 1] = line.size() + 1;
    }
    result.clear();
    // The numbers written are at most 11 characters each, so one allocation holds the line.
    result.reserve(line.size() + 3 * 11);
    result.append(line.data(), starts[X]);
    const std::optional<long long>* numbers[] = {&change.x, &change.y, &change.heading};
    for (std::size_t i = 0; i < std::size(numbers); ++i) {
        const std::size_t field = X + i;
        if (i > 0) {
            result += Char(' ');
        }
        if (*numbers[i]) {
            const std::string number = WholeNumberText(**numbers[i]);
            result.append(number.begin(), number.end());
        } else {
            result.append(line.data() + starts[field], starts[field + 1] - 1 - starts[field]);
        }
    }
    if (starts[Heading + 1] <= line.size()) {
        result.append(line.substr(starts[Heading + 1] - 1));
    }
    return true;
}

} // namespace

std::optional<std::string> WithShipChange(std::string_view line, const ShipChange& change) {
    std::string changed;
    return withShipChange(line, change, changed) ? std::optional(std::move(changed)) : std::nullopt;
}

bool WithShipChange(std::u16string_view line, const ShipChange& change, std::u16string& changed) {
    return withShipChange(line, change, changed);
}

long long NormalHeading(double degrees) {
    if (!std::isfinite(degrees)) {
        return 0;
    }
    const double whole = std::round(std::fmod(degrees, 360.0));
    return static_cast<long long>(whole < 0 ? whole + 360 : whole) % 360;
}

namespace {

double snapped(double value, double step) {
    return step > 0 ? std::round(value / step) * step : value;
}

} // namespace

ShipChange DraggedPosition(const MapShip& ship, MapPoint pressed, MapPoint now, double snapStep) {
    return {WholeUnits(snapped(ship.x + (now.x - pressed.x), snapStep)),
            WholeUnits(snapped(ship.y + (now.y - pressed.y), snapStep)), std::nullopt};
}

std::optional<long long> DraggedHeading(MapPoint ship, MapPoint cursor, bool snap) {
    const double dx = cursor.x - ship.x;
    const double dy = cursor.y - ship.y;
    if (dx * dx + dy * dy < 1) {
        return std::nullopt;
    }
    // The view's y grows downwards, so up is -dy and clockwise is +dx.
    const double degrees = std::atan2(dx, -dy) * 180 / std::numbers::pi;
    return NormalHeading(snapped(degrees, snap ? TurnStep : 0));
}

long long SteppedValue(double value, int direction, double step, bool snap) {
    if (!snap) {
        return WholeUnits(value + direction * step);
    }
    const double steps = value / step;
    const double next = direction > 0 ? std::floor(steps) + 1 : std::ceil(steps) - 1;
    return WholeUnits(next * step);
}

double GridStep(const MapTransform& transform, double width, double height) {
    return std::max(TickStep(std::min(width, height) / transform.scale()), 1.0);
}

EdgeDrag DragAtEdge(MapPoint cursor, double width, double height) {
    const auto inside = [](double at, double size) {
        return size > 2 * EdgeMargin ? std::clamp(at, EdgeMargin, size - EdgeMargin) : size / 2;
    };
    EdgeDrag drag{{inside(cursor.x, width), inside(cursor.y, height)}};
    drag.scrollX = std::clamp(drag.held.x - cursor.x, -EdgeStep, EdgeStep);
    drag.scrollY = std::clamp(drag.held.y - cursor.y, -EdgeStep, EdgeStep);
    return drag;
}

const MapShip* FindShip(const std::vector<MapShip>& ships, int row) {
    const auto found =
        std::lower_bound(ships.begin(), ships.end(), row,
                         [](const MapShip& ship, int wanted) { return ship.row < wanted; });
    return found != ships.end() && found->row == row ? &*found : nullptr;
}

MapPoint HandleInView(const MapShip& ship, const MapTransform& transform) {
    const MapPoint at = transform.toView({ship.x, ship.y});
    const MapPoint way = HeadingInView(ship.heading);
    return {at.x + way.x * ArrowLength, at.y + way.y * ArrowLength};
}

MapHit GripAt(const std::vector<MapShip>& ships, int selectedRow, const MapTransform& transform,
              MapPoint view, double radius) {
    if (const MapShip* selected = FindShip(ships, selectedRow)) {
        const MapPoint tip = HandleInView(*selected, transform);
        if (std::hypot(tip.x - view.x, tip.y - view.y) <= radius) {
            return {selectedRow, MapGrip::Handle};
        }
    }
    const int row = ShipAt(ships, transform, view, radius);
    return row < 0 ? MapHit{} : MapHit{row, MapGrip::Body};
}

std::string SelectionDescription(std::size_t count, const std::vector<std::string>& lines) {
    if (count == 0 || (count == 1 && lines.empty())) {
        return "No ship selected";
    }
    if (count > 1) {
        std::string text = std::to_string(count) + " ships selected";
        if (const MapShips ships = ShipsForMap(lines); count == 2 && ships.ships.size() == 2) {
            text += ", " + DistanceAndBearing(ships.ships[0], ships.ships[1]);
        }
        return text;
    }
    const std::vector<std::string> pieces = SplitForceLine(lines.front());
    return "Selected ship " + ForcePiece(pieces, ForceField::Name) + " at X " +
           ForcePiece(pieces, ForceField::X) + ", Y " + ForcePiece(pieces, ForceField::Y) +
           ", heading " + ForcePiece(pieces, ForceField::Heading);
}

} // namespace forgeline
