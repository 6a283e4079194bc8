#pragma once

#include <QColor>
#include <QPixmap>
#include <QPointF>

class QPainter;

namespace forgeline {

// The nation's marker centred on the point: colour and shape tell the nations apart together,
// so neither alone has to carry it. The painter's pen and brush are replaced.
void DrawMarker(QPainter& painter, int nation, QPointF centre, qreal radius);

// How a ship of the nation is marked, for the legend.
QPixmap MarkerIcon(int nation, int size);

// The heading arrows' colour.
inline const QColor ArrowColour(0x30, 0x30, 0x30);

// The marks laid around a marker.
inline constexpr qreal MarkerRadius = 5;
inline constexpr qreal PlayerRingRadius = 9;
inline constexpr qreal SelectionRadius = 13;
void DrawPlayerRing(QPainter& painter, QPointF centre);
void DrawSelection(QPainter& painter, QPointF centre);
// DrawSelection drawn once into a picture centred on its middle, for thousands of selections.
const QPixmap& SelectionSprite(qreal pixelRatio);

// A ship's marker, with the player's ring when it is the player's, drawn once and kept: a
// crowd of ships is then one copy of a small picture each. Its centre is the ship's place.
const QPixmap& MarkerSprite(int nation, bool player, qreal pixelRatio);
inline constexpr qreal SpriteHalf = PlayerRingRadius + 2;
// The selection sprite with the marker sprite laid over its middle: a selected ship in a crowd
// is one copy, however many are selected. Its centre is the ship's place.
const QPixmap& SelectedMarkerSprite(int nation, bool player, qreal pixelRatio);
inline constexpr qreal SelectedSpriteHalf = SelectionRadius + 2;

} // namespace forgeline
