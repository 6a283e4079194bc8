#pragma once

#include "map/MapShips.h"

#include <QPointF>
#include <vector>

class QImage;
class QPainter;

namespace forgeline {

// A ship of a crowd where the view shows it.
struct CrowdShip {
    const MapShip* ship;
    QPointF at;
    bool selected;
};

// Draws a crowd, in row order, as the map draws thousands of ships: each a headless arrow and
// its marker, the selected ones with their ring, above all the others. `layer` is kept by the
// caller from one paint to the next, so that no picture of the view is made for each.
void PaintCrowd(QPainter& painter, const std::vector<CrowdShip>& ships, QImage& layer);

} // namespace forgeline
