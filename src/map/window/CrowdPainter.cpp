#include "map/window/CrowdPainter.h"

#include "map/CrowdPicture.h"
#include "map/MapGeometry.h"
#include "map/window/MarkerStyle.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <cmath>
#include <map>

namespace forgeline {
namespace {

// The sprite's pixels as the crowd picture takes them, converted once: the sprites are kept
// for the program's life, so their keys stay theirs.
const CrowdSprite& crowdSpriteOf(const QPixmap& sprite) {
    static std::map<qint64, CrowdSprite> converted;
    auto [at, added] = converted.try_emplace(sprite.cacheKey());
    if (added) {
        const QImage image = sprite.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        std::vector<Pixel> pixels;
        pixels.reserve(std::size_t(image.width()) * std::size_t(image.height()));
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const Pixel*>(image.constScanLine(y));
            pixels.insert(pixels.end(), row, row + image.width());
        }
        at->second = CrowdSprite(image.width(), image.height(), std::move(pixels));
    }
    return at->second;
}

// Where a picture drawn at a point of the view lands in the device's pixels, rounded as the
// painter rounds it.
int devicePixel(qreal at, qreal ratio) {
    return static_cast<int>(std::floor(at * ratio + 0.5));
}

} // namespace

void PaintCrowd(QPainter& painter, const std::vector<CrowdShip>& ships, QImage& layer) {
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QSize pixels(painter.device()->width() * ratio, painter.device()->height() * ratio);
    if (layer.size() != pixels) {
        layer = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    }
    layer.fill(Qt::transparent);
    layer.setDevicePixelRatio(ratio);
    CrowdPicture picture(reinterpret_cast<Pixel*>(layer.bits()), layer.width(), layer.height(),
                         layer.bytesPerLine() / std::ptrdiff_t(sizeof(Pixel)));

    // From the top down: the selected ships, then the others, each from the last row back, then
    // the arrows, which every marker covers.
    const auto putMarkers = [&](bool selected) {
        const qreal half = selected ? SelectedSpriteHalf : SpriteHalf;
        for (auto placed = ships.rbegin(); placed != ships.rend(); ++placed) {
            if (placed->selected != selected) {
                continue;
            }
            const MapShip& ship = *placed->ship;
            const QPixmap& sprite = selected ? SelectedMarkerSprite(ship.nation, ship.player, ratio)
                                             : MarkerSprite(ship.nation, ship.player, ratio);
            picture.putUnder(crowdSpriteOf(sprite), devicePixel(placed->at.x() - half, ratio),
                             devicePixel(placed->at.y() - half, ratio));
        }
    };
    putMarkers(true);
    putMarkers(false);
    const int thickness = std::max(1, static_cast<int>(std::lround(ratio)));
    for (const CrowdShip& placed : ships) {
        const MapPoint way = HeadingInView(placed.ship->heading);
        const QPointF tip = placed.at + QPointF(way.x, way.y) * ArrowLength;
        picture.lineUnder(placed.at.x() * ratio, placed.at.y() * ratio, tip.x() * ratio,
                          tip.y() * ratio, ArrowColour.rgba(), thickness);
    }
    painter.drawImage(QPointF(0, 0), layer);
}

} // namespace forgeline
