#pragma once

#include "map/CrowdPicture.h"
#include "map/MapShips.h"

#include <QImage>
#include <QPointF>
#include <QSize>
#include <vector>

class QPainter;

namespace forgeline {

// A ship of a crowd where the view shows it.
struct CrowdShip {
    const MapShip* ship;
    QPointF at;
    bool selected;
};

// What a crowd is drawn through, kept by the view from one paint to the next so that neither
// the picture nor the lists of what goes into it are made anew for each.
struct CrowdLayer {
    QImage picture;
    std::vector<CrowdMark> marks;
    std::vector<CrowdLine> arrows;
};

// Draws a crowd, in row order, over the `area` of the painter's device from its top-left
// corner, as the map draws thousands of ships: each a headless arrow and its marker, the
// selected ones with their ring, above all the others.
void PaintCrowd(QPainter& painter, QSize area, const std::vector<CrowdShip>& ships,
                CrowdLayer& layer);

} // namespace forgeline
