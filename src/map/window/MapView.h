#pragma once

#include "map/GroupEdits.h"
#include "map/MapEdits.h"
#include "map/MapGeometry.h"
#include "map/MapShips.h"
#include "map/RowSearch.h"
#include "map/window/CrowdPainter.h"

#include <QPixmap>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <type_traits>
#include <vector>

namespace forgeline {

// The painted map: grid, axis ticks and one marker, arrow and name per ship. Wheel zooms about
// the cursor, dragging empty space pans, a click on a marker reports its row, Home fits the view
// to every ship and Shift+Home to the selected ones. When editable, Ctrl+click, a Shift+drag on
// empty space and Ctrl+A pick a selection; a drag on a selected marker moves the selection, a
// drag on a lone selected ship's handle (or a Shift+drag) turns it, keys move and turn the
// selection, and the clipboard's keys ask for commands; the view only reports these, the owner
// of the lines applies them.
class MapView : public QWidget {
    Q_OBJECT

  public:
    explicit MapView(QWidget* parent = nullptr);

    // New ships fit the view anew; a user's zoom and pan are dropped. Both give back the
    // ships shown before.
    std::vector<MapShip> setShips(std::vector<MapShip> ships, std::vector<int> selection);
    // The ships changed in many places; zoom and pan stay.
    std::vector<MapShip> replaceShips(std::vector<MapShip> ships);
    const std::vector<MapShip>& ships() const { return ships_; }
    // One row's ship changed, or left the map (nothing); zoom and pan stay. Whether the row was
    // on the map before.
    bool placeShip(int row, std::optional<MapShip> ship);
    // The selected rows, ascending.
    void setSelection(std::vector<int> rows);
    void setEditable(bool editable);
    bool isEditable() const { return editable_; }
    void setSnap(bool snap) { snap_ = snap; }
    const MapTransform& transform() const { return transform_; }

  signals:
    void shipClicked(int row);
    // The rows a Ctrl+click or a rectangle leaves selected, ascending.
    void selectionPicked(const std::vector<int>& rows);
    // Edits with the same gesture number belong to one drag or one run of key presses.
    void shipsChanged(const std::vector<forgeline::ShipEdit>& edits, int gesture);
    void commandRequested(const forgeline::FleetRequest& request);

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
    void fitTo(const std::vector<MapShip>& ships);
    bool isSelected(int row) const;
    // The row of the one selected ship, or -1 when none or several are selected.
    int soleSelected() const;
    std::vector<MapShip> selectedShips() const;
    // Calls `visit` with each selected ship on the map, in row order, until it returns false.
    template <typename Visit> void forEachSelected(Visit visit) const;
    // Something drawn changed: the picture kept for a drag is stale.
    void changed();
    // The row whose ship is being dragged, or -1.
    int movingRow() const;
    void paintScene(QPainter& painter, int skipRow) const;
    void paintGrid(QPainter& painter) const;
    void paintShips(QPainter& painter, int skipRow) const;
    // Few enough ships to draw each smoothly, with its arrow's head.
    void paintFew(QPainter& painter, const std::vector<CrowdShip>& inView) const;
    void paintShip(QPainter& painter, const MapShip& ship, QPointF at, bool named) const;
    // Beside the ship, on the side where the view shows it whole.
    void drawName(QPainter& painter, QPointF at, const std::string& name) const;
    void dragTo(QPoint at);
    bool editByKey(const QKeyEvent* event);
    bool commandByKey(const QKeyEvent* event);
    bool viewByKey(const QKeyEvent* event);
    void emitChanges(const std::vector<ShipEdit>& edits, KeyRun run);
    void paintMeasure(QPainter& painter) const;

    std::vector<MapShip> ships_;
    std::vector<int> selection_;
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
    // What the press took hold of, that ship and the others it moves with as they were then.
    MapHit grip_;
    MapShip gripped_;
    std::vector<MapShip> group_;
    // A Shift+drag on empty space draws a selection rectangle instead of panning.
    bool picking_ = false;

    int gesture_ = 0;
    KeyRun keyRun_ = KeyRun::None;
    std::vector<ShipEdit> keyEdits_;
    // While a ship is dragged, everything else stays as drawn here and only the ship is drawn
    // anew on each move.
    QPixmap still_;
    // Kept from one paint to the next, so that thirty thousand ships need no new lists.
    mutable std::vector<CrowdShip> inView_;
    mutable CrowdLayer crowd_;
    mutable bool namesShown_ = false;
};

template <typename Visit> void MapView::forEachSelected(Visit visit) const {
    // Both run in row order: one walk finds them, however many are selected.
    auto next = ships_.begin();
    for (const int row : selection_) {
        next = FirstFromRow(next, ships_.end(), row);
        if (next == ships_.end()) {
            return;
        }
        if (next->row != row) {
            continue;
        }
        if constexpr (std::is_same_v<decltype(visit(*next)), bool>) {
            if (!visit(*next)) {
                return;
            }
        } else {
            visit(*next);
        }
    }
}

} // namespace forgeline
