#include "map/window/MapView.h"

#include "map/MapTicks.h"
#include "map/window/MarkerStyle.h"
#include "ui/Text.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

namespace forgeline {
namespace {

constexpr qreal ArrowLength = 20;
constexpr qreal ArrowHead = 5;
constexpr double ClickRadius = 8;
constexpr double WheelStep = 1.25;
// Beyond this many ships in view the antialiasing costs more than it shows.
constexpr std::size_t SmoothShipLimit = 2000;

QPointF toQt(MapPoint point) {
    return {point.x, point.y};
}

} // namespace

MapView::MapView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(200, 150);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MapView::setShips(std::vector<MapShip> ships, int selectedRow) {
    ships_ = std::move(ships);
    selectedRow_ = selectedRow;
    userMoved_ = false;
    fit();
    update();
}

void MapView::setSelectedRow(int row) {
    selectedRow_ = row;
    update();
}

void MapView::fit() {
    transform_ = FitView(FitArea(ships_), width(), height());
}

void MapView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!userMoved_) {
        fit();
    }
}

void MapView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    paintGrid(painter);
    paintShips(painter);
}

void MapView::paintGrid(QPainter& painter) const {
    const MapPoint topLeft = transform_.toWorld({0, 0});
    const MapPoint bottomRight = transform_.toWorld({double(width()), double(height())});
    const double step = TickStep(std::min(width(), height()) / transform_.scale());
    const std::vector<double> columns = TickPositions(topLeft.x, bottomRight.x, step);
    const std::vector<double> rows = TickPositions(bottomRight.y, topLeft.y, step);

    for (const double x : columns) {
        const qreal at = transform_.toView({x, 0}).x;
        painter.setPen(x == 0 ? QColor(0x90, 0x90, 0x90) : QColor(0xE2, 0xE2, 0xE2));
        painter.drawLine(QPointF(at, 0), QPointF(at, height()));
        painter.setPen(QColor(0x40, 0x40, 0x40));
        painter.drawText(QPointF(at + 3, height() - 4), FromCore(TickLabel(x)));
    }
    for (const double y : rows) {
        const qreal at = transform_.toView({0, y}).y;
        painter.setPen(y == 0 ? QColor(0x90, 0x90, 0x90) : QColor(0xE2, 0xE2, 0xE2));
        painter.drawLine(QPointF(0, at), QPointF(width(), at));
        painter.setPen(QColor(0x40, 0x40, 0x40));
        painter.drawText(QPointF(3, at - 3), FromCore(TickLabel(y)));
    }
}

void MapView::paintShips(QPainter& painter) const {
    const QRectF visible =
        QRectF(rect()).adjusted(-ArrowLength, -ArrowLength, ArrowLength, ArrowLength);
    std::vector<std::pair<const MapShip*, QPointF>> inView;
    inView.reserve(ships_.size());
    for (const MapShip& ship : ships_) {
        const QPointF at = toQt(transform_.toView({ship.x, ship.y}));
        if (visible.contains(at)) {
            inView.emplace_back(&ship, at);
        }
    }
    painter.setRenderHint(QPainter::Antialiasing, inView.size() <= SmoothShipLimit);

    std::vector<QLineF> arrows;
    arrows.reserve(3 * inView.size());
    for (const auto& [ship, at] : inView) {
        const QLineF shaft(at, at + toQt(HeadingInView(ship->heading)) * ArrowLength);
        arrows.push_back(shaft);
        for (const qreal turn : {150.0, -150.0}) {
            arrows.push_back(
                QLineF::fromPolar(ArrowHead, shaft.angle() + turn).translated(shaft.p2()));
        }
    }
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.5));
    painter.drawLines(arrows.data(), static_cast<int>(arrows.size()));

    const auto drawShip = [&painter](const MapShip& ship, QPointF at) {
        DrawMarker(painter, ship.nation, at, MarkerRadius);
        if (ship.player) {
            DrawPlayerRing(painter, at);
        }
    };
    const std::pair<const MapShip*, QPointF>* selected = nullptr;
    for (const auto& placed : inView) {
        drawShip(*placed.first, placed.second);
        if (placed.first->row == selectedRow_) {
            selected = &placed;
        }
    }
    // On top of the crowd, so the selection shows however dense the map.
    if (selected != nullptr) {
        DrawSelection(painter, selected->second);
        drawShip(*selected->first, selected->second);
    }
    if (NamesFit(inView.size(), width(), height())) {
        painter.setPen(Qt::black);
        for (const auto& [ship, at] : inView) {
            painter.drawText(at + QPointF(SelectionRadius + 2, 4), FromCore(ship->name));
        }
    }
}

void MapView::wheelEvent(QWheelEvent* event) {
    const QPointF at = event->position();
    transform_.zoomAbout({at.x(), at.y()}, std::pow(WheelStep, event->angleDelta().y() / 120.0));
    userMoved_ = true;
    update();
    event->accept();
}

void MapView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return QWidget::mousePressEvent(event);
    }
    pressed_ = true;
    dragging_ = false;
    pressedAt_ = lastAt_ = event->position().toPoint();
}

void MapView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (!pressed_ ||
        (!dragging_ && (at - pressedAt_).manhattanLength() < QApplication::startDragDistance())) {
        return;
    }
    dragging_ = true;
    transform_.pan(at.x() - lastAt_.x(), at.y() - lastAt_.y());
    lastAt_ = at;
    userMoved_ = true;
    update();
}

void MapView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_) {
        return QWidget::mouseReleaseEvent(event);
    }
    pressed_ = false;
    if (dragging_) {
        return;
    }
    const QPointF at = event->position();
    const int row = ShipAt(ships_, transform_, {at.x(), at.y()}, ClickRadius);
    if (row >= 0) {
        emit shipClicked(row);
    }
}

} // namespace forgeline
