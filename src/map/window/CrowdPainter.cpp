#include "map/window/CrowdPainter.h"

#include "map/CrowdPicture.h"
#include "map/MapGeometry.h"
#include "map/window/MarkerStyle.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <cmath>
#include <map>
#include <tuple>

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

} // namespace

void PaintCrowd(QPainter& painter, QSize area, const std::vector<CrowdShip>& ships,
                CrowdLayer& layer) {
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QSize pixels = (QSizeF(area) * ratio).toSize();
    QImage& picture = layer.picture;
    if (picture.size() != pixels) {
        picture = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    }
    picture.setDevicePixelRatio(ratio);

    // From the top down: the selected ships, then the others, each from the last row back; the
    // arrows lie under every marker, in the same order, which for lines of one colour is any.
    layer.marks.clear();
    layer.arrows.clear();
    // Ships of a kind mostly come together: the sprite is looked up anew only for another kind.
    std::tuple<int, bool, bool> lastKind{};
    const CrowdSprite* lastSprite = nullptr;
    const auto spriteOf = [&](const MapShip& ship, bool selected) {
        const std::tuple<int, bool, bool> kind{ship.nation, ship.player, selected};
        if (lastSprite == nullptr || kind != lastKind) {
            lastKind = kind;
            lastSprite =
                &crowdSpriteOf(selected ? SelectedMarkerSprite(ship.nation, ship.player, ratio)
                                        : MarkerSprite(ship.nation, ship.player, ratio));
        }
        return lastSprite;
    };
    // Each ship is read once for its marker and its arrow: tens of thousands of them are
    // megabytes, and a second pass would fetch them all again.
    const auto addShips = [&](bool selected) {
        const qreal half = selected ? SelectedSpriteHalf : SpriteHalf;
        for (auto placed = ships.rbegin(); placed != ships.rend(); ++placed) {
            if (placed->selected == selected) {
                const MapShip& ship = *placed->ship;
                layer.marks.push_back({spriteOf(ship, selected),
                                       DevicePixel(placed->at.x() - half, ratio),
                                       DevicePixel(placed->at.y() - half, ratio)});
                const MapPoint way = HeadingInView(ship.heading);
                const QPointF tip = placed->at + QPointF(way.x, way.y) * ArrowLength;
                layer.arrows.push_back({placed->at.x() * ratio, placed->at.y() * ratio,
                                        tip.x() * ratio, tip.y() * ratio});
            }
        }
    };
    addShips(true);
    addShips(false);
    DrawCrowd(layer.marks, layer.arrows, ArrowColour.rgba(),
              std::max(1, static_cast<int>(std::lround(ratio))),
              reinterpret_cast<Pixel*>(picture.bits()), picture.width(), picture.height(),
              picture.bytesPerLine() / std::ptrdiff_t(sizeof(Pixel)));
    painter.drawImage(QPointF(0, 0), picture);
}

} // namespace forgeline
