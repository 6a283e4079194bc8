#include "map/window/MarkerStyle.h"

#include <QPainter>
#include <QtMath>
#include <map>
#include <tuple>

namespace forgeline {
namespace {

enum class Shape { Circle, Square, Triangle, Diamond, Cross };

struct Style {
    QColor colour;
    Shape shape;
};

// The Okabe-Ito colours stay distinct under the common colour-vision deficiencies.
Style styleOf(int nation) {
    switch (nation) {
    case 0:
        return {QColor(0x00, 0x72, 0xB2), Shape::Circle};
    case 1:
        return {QColor(0xE6, 0x9F, 0x00), Shape::Square};
    case 2:
        return {QColor(0x00, 0x9E, 0x73), Shape::Triangle};
    case 3:
        return {QColor(0xD5, 0x5E, 0x00), Shape::Diamond};
    default:
        return {QColor(0x99, 0x99, 0x99), Shape::Cross};
    }
}

const QColor Selection(0xF0, 0xE4, 0x42);

} // namespace

void DrawMarker(QPainter& painter, int nation, QPointF centre, qreal radius) {
    const Style style = styleOf(nation);
    const qreal x = centre.x();
    const qreal y = centre.y();
    const qreal r = radius;
    painter.setPen(QPen(style.colour.darker(150), 1));
    painter.setBrush(style.colour);
    switch (style.shape) {
    case Shape::Circle:
        painter.drawEllipse(centre, r, r);
        break;
    case Shape::Square:
        painter.drawRect(QRectF(x - r, y - r, 2 * r, 2 * r));
        break;
    case Shape::Triangle: {
        const QPointF corners[] = {{x, y - 1.2 * r}, {x + 1.1 * r, y + r}, {x - 1.1 * r, y + r}};
        painter.drawPolygon(corners, 3);
        break;
    }
    case Shape::Diamond: {
        const QPointF corners[] = {
            {x, y - 1.3 * r}, {x + 1.3 * r, y}, {x, y + 1.3 * r}, {x - 1.3 * r, y}};
        painter.drawPolygon(corners, 4);
        break;
    }
    case Shape::Cross:
        painter.setPen(QPen(style.colour, 2));
        painter.drawLine(QPointF(x - r, y - r), QPointF(x + r, y + r));
        painter.drawLine(QPointF(x - r, y + r), QPointF(x + r, y - r));
        break;
    }
}

QPixmap MarkerIcon(int nation, int size) {
    QPixmap icon(size, size);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawMarker(painter, nation, QPointF(size / 2.0, size / 2.0), size / 3.0);
    return icon;
}

void DrawPlayerRing(QPainter& painter, QPointF centre) {
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, PlayerRingRadius, PlayerRingRadius);
}

void DrawSelection(QPainter& painter, QPointF centre) {
    painter.setPen(QPen(Qt::black, 2, Qt::DashLine));
    painter.setBrush(Selection);
    painter.drawEllipse(centre, SelectionRadius, SelectionRadius);
}

const QPixmap& SelectionSprite(qreal pixelRatio) {
    static std::map<qreal, QPixmap> sprites;
    QPixmap& sprite = sprites[pixelRatio];
    if (sprite.isNull()) {
        const int side = qCeil(2 * (SelectionRadius + 2) * pixelRatio);
        sprite = QPixmap(side, side);
        sprite.setDevicePixelRatio(pixelRatio);
        sprite.fill(Qt::transparent);
        QPainter painter(&sprite);
        painter.setRenderHint(QPainter::Antialiasing);
        DrawSelection(painter, {SelectionRadius + 2, SelectionRadius + 2});
    }
    return sprite;
}

const QPixmap& MarkerSprite(int nation, bool player, qreal pixelRatio) {
    static std::map<std::tuple<int, bool, qreal>, QPixmap> sprites;
    QPixmap& sprite = sprites[{nation, player, pixelRatio}];
    if (sprite.isNull()) {
        const int side = qCeil(2 * SpriteHalf * pixelRatio);
        sprite = QPixmap(side, side);
        sprite.setDevicePixelRatio(pixelRatio);
        sprite.fill(Qt::transparent);
        QPainter painter(&sprite);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPointF centre(SpriteHalf, SpriteHalf);
        DrawMarker(painter, nation, centre, MarkerRadius);
        if (player) {
            DrawPlayerRing(painter, centre);
        }
    }
    return sprite;
}

const QPixmap& SelectedMarkerSprite(int nation, bool player, qreal pixelRatio) {
    static std::map<std::tuple<int, bool, qreal>, QPixmap> sprites;
    QPixmap& sprite = sprites[{nation, player, pixelRatio}];
    if (sprite.isNull()) {
        sprite = SelectionSprite(pixelRatio).copy();
        sprite.setDevicePixelRatio(pixelRatio);
        QPainter painter(&sprite);
        painter.drawPixmap(
            QPointF(SelectedSpriteHalf - SpriteHalf, SelectedSpriteHalf - SpriteHalf),
            MarkerSprite(nation, player, pixelRatio));
    }
    return sprite;
}

} // namespace forgeline
