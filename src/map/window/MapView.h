#pragma once

#include "map/MapEdits.h"
#include "map/MapGeometry.h"
#include "map/MapShips.h"

#include <QPixmap>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <vector>

namespace forgeline {

// The painted map: grid, axis ticks and one marker, arrow and name per ship. Wheel zooms about
// the cursor, dragging empty space pans, a click on a marker reports its row. When editable, a
// drag on a marker moves its ship, a drag on the selected ship's handle (or a Shift+drag) turns
// it, and keys move and turn the selected ship; the view only reports these, the owner of the
// lines applies them.
class MapView : public QWidget {
    Q_OBJECT

  public:
    explicit MapView(QWidget* parent = nullptr);

    // New ships fit the view anew; a user's zoom and pan are dropped.
    void setShips(std::vector<MapShip> ships, int selectedRow);
    // One row's ship changed, or left the map (nothing); zoom and pan stay. Whether the row was
    // on the map before.
    bool placeShip(int row, std::optional<MapShip> ship);
    void setSelectedRow(int row);
    void setEditable(bool editable);
    bool isEditable() const { return editable_; }
    void setSnap(bool snap) { snap_ = snap; }
    const MapTransform& transform() const { return transform_; }

  signals:
    void shipClicked(int row);
    // Edits with the same gesture number belong to one drag or one run of key presses.
    void shipChanged(int row, const forgeline::ShipChange& change, int gesture);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    enum class KeyRun { None, Move, Turn };

    void fit();
    // Something drawn changed: the picture kept for a drag is stale.
    void changed();
    // The row whose ship is being dragged, or -1.
    int movingRow() const;
    void paintScene(QPainter& painter, int skipRow) const;
    void paintGrid(QPainter& painter) const;
    void paintShips(QPainter& painter, int skipRow) const;
    void paintShip(QPainter& painter, const MapShip& ship, QPointF at, bool named) const;
    void dragTo(QPoint at);
    bool editByKey(const QKeyEvent* event);
    bool viewByKey(const QKeyEvent* event);
    void emitChange(int row, const ShipChange& change, KeyRun run);

    std::vector<MapShip> ships_;
    int selectedRow_ = -1;
    MapTransform transform_;
    bool editable_ = false;
    bool snap_ = false;
    // Until the user zooms or pans, the view refits when it is resized.
    bool userMoved_ = false;
    bool pressed_ = false;
    // A press that moved beyond the drag distance is no click.
    bool dragging_ = false;
    QPoint pressedAt_;
    QPoint lastAt_;
    // The world point pressed: the view may scroll under a dragged ship.
    MapPoint pressedWorld_;
    // Keeps a ship dragged at the view's edge scrolling while the mouse rests.
    QTimer edgeScroll_;
    // What the press took hold of, and that ship as it was then.
    MapHit grip_;
    MapShip gripped_;
    int gesture_ = 0;
    KeyRun keyRun_ = KeyRun::None;
    // While a ship is dragged, everything else stays as drawn here and only the ship is drawn
    // anew on each move.
    QPixmap still_;
    mutable bool namesShown_ = false;
};

} // namespace forgeline
