#pragma once

#include "map/MapGeometry.h"
#include "map/MapShips.h"

#include <QPoint>
#include <QWidget>
#include <vector>

namespace forgeline {

// The painted map: grid, axis ticks and one marker, arrow and name per ship. Wheel zooms about
// the cursor, dragging pans, a click on a marker reports its row.
class MapView : public QWidget {
    Q_OBJECT

  public:
    explicit MapView(QWidget* parent = nullptr);

    // New ships fit the view anew; a user's zoom and pan are dropped.
    void setShips(std::vector<MapShip> ships, int selectedRow);
    void setSelectedRow(int row);
    const MapTransform& transform() const { return transform_; }

  signals:
    void shipClicked(int row);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void fit();
    void paintGrid(QPainter& painter) const;
    void paintShips(QPainter& painter) const;

    std::vector<MapShip> ships_;
    int selectedRow_ = -1;
    MapTransform transform_;
    // Until the user zooms or pans, the view refits when it is resized.
    bool userMoved_ = false;
    bool pressed_ = false;
    // A press that moved beyond the drag distance pans and is no click.
    bool dragging_ = false;
    QPoint pressedAt_;
    QPoint lastAt_;
};

} // namespace forgeline
