#include "map/window/MapView.h"

#include "map/MapTicks.h"
#include "map/window/CrowdPainter.h"
#include "map/window/FleetKeys.h"
#include "map/window/MarkerStyle.h"
#include "ui/Text.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

namespace forgeline {
namespace {

constexpr qreal ArrowHead = 5;
constexpr double ClickRadius = 8;
constexpr double WheelStep = 1.25;
constexpr qreal HandleRadius = 4;
// Pixels the view moves for a panning key.
constexpr double PanStep = 40;
// Milliseconds between the scroll steps of a ship held at the view's edge.
constexpr int EdgeScrollInterval = 30;
// Beyond this many ships in view the antialiasing costs more than it shows, and the arrows'
// heads are too small to tell apart.
constexpr std::size_t SmoothShipLimit = 2000;

constexpr int NoRow = -1;
const QPointF NameOffset(SelectionRadius + 2, 4);

QPointF toQt(MapPoint point) {
    return {point.x, point.y};
}

MapPoint fromQt(QPoint point) {
    return {double(point.x()), double(point.y())};
}

// The shaft and the two strokes of the head, which point back 150 degrees either side.
void addArrow(std::vector<QLineF>& lines, QPointF at, double heading) {
    const MapPoint way = HeadingInView(heading);
    const QPointF tip = at + QPointF(way.x, way.y) * ArrowLength;
    constexpr double Cos = -0.86602540378443865;
    constexpr double Sin = 0.5;
    lines.emplace_back(at, tip);
    lines.emplace_back(tip, tip + QPointF(way.x * Cos - way.y * Sin, way.x * Sin + way.y * Cos) *
                                      ArrowHead);
    lines.emplace_back(tip, tip + QPointF(way.x * Cos + way.y * Sin, -way.x * Sin + way.y * Cos) *
                                      ArrowHead);
}

} // namespace

MapView::MapView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(200, 150);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    edgeScroll_.setInterval(EdgeScrollInterval);
    connect(&edgeScroll_, &QTimer::timeout, this, [this] {
        if (pressed_ && dragging_) {
            dragTo(lastAt_);
        }
    });
}

std::vector<MapShip> MapView::setShips(std::vector<MapShip> ships, std::vector<int> selection) {
    std::swap(ships_, ships);
    selection_ = std::move(selection);
    userMoved_ = false;
    fit();
    changed();
    return ships;
}

std::vector<MapShip> MapView::replaceShips(std::vector<MapShip> ships) {
    std::swap(ships_, ships);
    changed();
    return ships;
}

bool MapView::placeShip(int row, std::optional<MapShip> ship) {
    auto at =
        std::lower_bound(ships_.begin(), ships_.end(), row,
                         [](const MapShip& placed, int wanted) { return placed.row < wanted; });
    const bool wasShown = at != ships_.end() && at->row == row;
    if (ship) {
        ship->row = row;
        if (wasShown) {
            *at = std::move(*ship);
        } else {
            ships_.insert(at, std::move(*ship));
        }
    } else if (wasShown) {
        ships_.erase(at);
    }
    if (row == movingRow()) {
        update();
    } else {
        changed();
    }
    return wasShown;
}

void MapView::setSelection(std::vector<int> rows) {
    if (rows != selection_) {
        keyRun_ = KeyRun::None;
    }
    selection_ = std::move(rows);
    changed();
}

bool MapView::isSelected(int row) const {
    return std::binary_search(selection_.begin(), selection_.end(), row);
}

int MapView::soleSelected() const {
    return selection_.size() == 1 ? selection_.front() : NoRow;
}

std::vector<MapShip> MapView::selectedShips() const {
    std::vector<MapShip> ships;
    ships.reserve(selection_.size());
    forEachSelected([&ships](const MapShip& ship) { ships.push_back(ship); });
    return ships;
}

void MapView::setEditable(bool editable) {
    editable_ = editable;
    changed();
}

void MapView::fit() {
    fitTo(ships_);
}

void MapView::fitTo(const std::vector<MapShip>& ships) {
    transform_ = FitView(FitArea(ships), width(), height());
}

void MapView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!userMoved_) {
        fit();
    }
    still_ = QPixmap();
}

void MapView::changed() {
    still_ = QPixmap();
    update();
}

int MapView::movingRow() const {
    return pressed_ && dragging_ && grip_.grip != MapGrip::None && group_.size() <= 1 ? grip_.row
                                                                                      : NoRow;
}

void MapView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int moving = movingRow();
    if (moving == NoRow) {
        still_ = QPixmap();
        paintScene(painter, NoRow);
        paintMeasure(painter);
        if (picking_ && dragging_) {
            painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRect(pressedAt_, lastAt_).normalized());
        }
        return;
    }
    if (still_.isNull()) {
        still_ = QPixmap(size() * devicePixelRatio());
        still_.setDevicePixelRatio(devicePixelRatio());
        QPainter stillPainter(&still_);
        paintScene(stillPainter, moving);
    }
    painter.drawPixmap(0, 0, still_);
    if (const MapShip* ship = FindShip(ships_, moving)) {
        painter.setRenderHint(QPainter::Antialiasing);
        paintShip(painter, *ship, toQt(transform_.toView({ship->x, ship->y})), namesShown_);
    }
    paintMeasure(painter);
}

void MapView::paintMeasure(QPainter& painter) const {
    if (selection_.size() != 2) {
        return;
    }
    const MapShip* from = FindShip(ships_, selection_[0]);
    const MapShip* to = FindShip(ships_, selection_[1]);
    if (from == nullptr || to == nullptr) {
        return;
    }
    const QPointF start = toQt(transform_.toView({from->x, from->y}));
    const QPointF end = toQt(transform_.toView({to->x, to->y}));
    painter.setPen(QPen(ArrowColour, 1, Qt::DashLine));
    painter.drawLine(start, end);
    painter.drawText((start + end) / 2 + NameOffset, FromCore(DistanceAndBearing(*from, *to)));
}

void MapView::paintScene(QPainter& painter, int skipRow) const {
    painter.fillRect(rect(), Qt::white);
    paintGrid(painter);
    paintShips(painter, skipRow);
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

void MapView::paintShips(QPainter& painter, int skipRow) const {
    // Within the view, or near enough for its arrow to reach in: compared here, not by a call
    // to QRectF::contains for each of tens of thousands of ships.
    const double right = width() + ArrowLength;
    const double bottom = height() + ArrowLength;
    std::vector<CrowdShip>& inView = inView_;
    inView.clear();
    // The ships and the selection both run in row order: one walk tells which are selected.
    auto nextSelected = selection_.begin();
    for (const MapShip& ship : ships_) {
        while (nextSelected != selection_.end() && *nextSelected < ship.row) {
            ++nextSelected;
        }
        const MapPoint view = transform_.toView({ship.x, ship.y});
        const QPointF at(view.x, view.y);
        if (ship.row != skipRow && view.x >= -ArrowLength && view.x <= right &&
            view.y >= -ArrowLength && view.y <= bottom) {
            inView.push_back(
                {&ship, at, nextSelected != selection_.end() && *nextSelected == ship.row});
        }
    }
    namesShown_ = NamesFit(inView.size(), width(), height());
    if (inView.size() > SmoothShipLimit) {
        PaintCrowd(painter, size(), inView, crowd_);
    } else {
        paintFew(painter, inView);
    }
    if (namesShown_) {
        painter.setPen(Qt::black);
        for (const CrowdShip& placed : inView) {
            drawName(painter, placed.at, placed.ship->name);
        }
    }
}

void MapView::paintFew(QPainter& painter, const std::vector<CrowdShip>& inView) const {
    painter.setRenderHint(QPainter::Antialiasing);
    std::vector<QLineF> arrows;
    arrows.reserve(3 * inView.size());
    for (const CrowdShip& placed : inView) {
        addArrow(arrows, placed.at, placed.ship->heading);
    }
    painter.setPen(QPen(ArrowColour, 1.5));
    painter.drawLines(arrows.data(), static_cast<int>(arrows.size()));
    const qreal ratio = painter.device()->devicePixelRatioF();
    for (const CrowdShip& placed : inView) {
        if (!placed.selected) {
            painter.drawPixmap(placed.at - QPointF(SpriteHalf, SpriteHalf),
                               MarkerSprite(placed.ship->nation, placed.ship->player, ratio));
        }
    }
    // On top of the others, so the selection shows however dense the map.
    for (const CrowdShip& placed : inView) {
        if (placed.selected) {
            paintShip(painter, *placed.ship, placed.at, false);
        }
    }
}

void MapView::drawName(QPainter& painter, QPointF at, const std::string& name) const {
    const QString text = FromCore(name);
    const double left =
        NameLeft(at.x(), NameOffset.x(), painter.fontMetrics().horizontalAdvance(text), width());
    painter.drawText(QPointF(left, at.y() + NameOffset.y()), text);
}

void MapView::paintShip(QPainter& painter, const MapShip& ship, QPointF at, bool named) const {
    if (isSelected(ship.row)) {
        painter.drawPixmap(at - QPointF(SelectionRadius + 2, SelectionRadius + 2),
                           SelectionSprite(painter.device()->devicePixelRatioF()));
    }
    std::vector<QLineF> arrow;
    addArrow(arrow, at, ship.heading);
    painter.setPen(QPen(ArrowColour, 1.5));
    painter.drawLines(arrow.data(), static_cast<int>(arrow.size()));
    painter.drawPixmap(
        at - QPointF(SpriteHalf, SpriteHalf),
        MarkerSprite(ship.nation, ship.player, painter.device()->devicePixelRatioF()));
    if (ship.row == soleSelected() && editable_) {
        const MapPoint tip = HandleInView(ship, transform_);
        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(Qt::white);
        painter.drawEllipse(toQt(tip), HandleRadius, HandleRadius);
    }
    if (named) {
        painter.setPen(Qt::black);
        drawName(painter, at, ship.name);
    }
}

void MapView::wheelEvent(QWheelEvent* event) {
    const QPointF at = event->position();
    transform_.zoomAbout({at.x(), at.y()}, std::pow(WheelStep, event->angleDelta().y() / 120.0));
    userMoved_ = true;
    changed();
    event->accept();
}

void MapView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return QWidget::mousePressEvent(event);
    }
    pressed_ = true;
    dragging_ = false;
    pressedAt_ = lastAt_ = event->position().toPoint();
    pressedWorld_ = transform_.toWorld(fromQt(pressedAt_));
    grip_ = {};
    group_.clear();
    picking_ = false;
    keyRun_ = KeyRun::None;
    ++gesture_;
    if (!editable_) {
        return;
    }
    grip_ = GripAt(ships_, soleSelected(), transform_, fromQt(pressedAt_), ClickRadius);
    const MapShip* ship = FindShip(ships_, grip_.row);
    if (ship == nullptr) {
        picking_ = event->modifiers() & Qt::ShiftModifier;
        return;
    }
    if (event->modifiers() & Qt::ControlModifier) {
        std::vector<int> rows = selection_;
        const auto at = std::lower_bound(rows.begin(), rows.end(), ship->row);
        if (at != rows.end() && *at == ship->row) {
            rows.erase(at);
        } else {
            rows.insert(at, ship->row);
        }
        pressed_ = false;
        grip_ = {};
        emit selectionPicked(rows);
        return;
    }
    gripped_ = *ship;
    if (event->modifiers() & Qt::ShiftModifier) {
        grip_.grip = MapGrip::Handle;
    }
    group_ = grip_.grip == MapGrip::Body && isSelected(ship->row) ? selectedShips()
                                                                  : std::vector<MapShip>{*ship};
}

void MapView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (!pressed_ ||
        (!dragging_ && (at - pressedAt_).manhattanLength() < QApplication::startDragDistance())) {
        return;
    }
    if (!dragging_ && grip_.grip != MapGrip::None && !isSelected(grip_.row)) {
        // The ship taken hold of is the one the keys and the list then speak of.
        emit shipClicked(grip_.row);
    }
    dragging_ = true;
    dragTo(at);
}

void MapView::dragTo(QPoint at) {
    switch (grip_.grip) {
    case MapGrip::None:
        if (picking_) {
            lastAt_ = at;
            update();
            break;
        }
        transform_.pan(at.x() - lastAt_.x(), at.y() - lastAt_.y());
        lastAt_ = at;
        userMoved_ = true;
        changed();
        break;
    case MapGrip::Body: {
        lastAt_ = at;
        const EdgeDrag edge = DragAtEdge(fromQt(at), width(), height());
        if (edge.scrollX != 0 || edge.scrollY != 0) {
            transform_.pan(edge.scrollX, edge.scrollY);
            userMoved_ = true;
            changed();
            edgeScroll_.start();
        } else {
            edgeScroll_.stop();
        }
        const double step = snap_ ? GridStep(transform_, width(), height()) : 0;
        const ShipChange grabbed =
            DraggedPosition(gripped_, pressedWorld_, transform_.toWorld(edge.held), step);
        emit shipsChanged(
            MovedGroup(group_, double(*grabbed.x) - gripped_.x, double(*grabbed.y) - gripped_.y),
            gesture_);
        break;
    }
    case MapGrip::Handle:
        if (const auto heading =
                DraggedHeading(transform_.toView({gripped_.x, gripped_.y}), fromQt(at), snap_)) {
            emit shipsChanged({{grip_.row, {std::nullopt, std::nullopt, *heading}}}, gesture_);
        }
        break;
    }
}

void MapView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_) {
        return QWidget::mouseReleaseEvent(event);
    }
    pressed_ = false;
    edgeScroll_.stop();
    // Whatever follows is a new step.
    ++gesture_;
    if (dragging_) {
        if (picking_) {
            picking_ = false;
            emit selectionPicked(
                RowsInRectangle(ships_, transform_, fromQt(pressedAt_), fromQt(lastAt_)));
        }
        changed();
        return;
    }
    const QPointF at = event->position();
    const int row = ShipAt(ships_, transform_, {at.x(), at.y()}, ClickRadius);
    if (row >= 0) {
        emit shipClicked(row);
    }
}

void MapView::keyPressEvent(QKeyEvent* event) {
    if (!commandByKey(event) && !editByKey(event) && !viewByKey(event)) {
        QWidget::keyPressEvent(event);
    }
}

bool MapView::commandByKey(const QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Home && (modifiers & ~Qt::ShiftModifier) == 0) {
        const std::vector<MapShip> selected = selectedShips();
        if (modifiers == Qt::NoModifier || !selected.empty()) {
            fitTo(modifiers == Qt::NoModifier ? ships_ : selected);
            userMoved_ = modifiers != Qt::NoModifier;
            changed();
        }
        return true;
    }
    if (!editable_) {
        return false;
    }
    const std::optional<FleetCommand> command = FleetCommandOfKey(event);
    if (!command) {
        return false;
    }
    FleetRequest request{*command, std::nullopt, GridStep(transform_, width(), height())};
    if (const QPoint cursor = mapFromGlobal(QCursor::pos()); rect().contains(cursor)) {
        request.cursor = transform_.toWorld(fromQt(cursor));
    }
    emit commandRequested(request);
    return true;
}

bool MapView::editByKey(const QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    bool anyShown = false;
    forEachSelected([&anyShown](const MapShip&) {
        anyShown = true;
        return false;
    });
    if (!editable_ || !anyShown || (modifiers & ~Qt::ShiftModifier)) {
        return false;
    }
    const bool unit = modifiers & Qt::ShiftModifier;
    const double step = unit ? 1 : GridStep(transform_, width(), height());
    const bool snap = snap_ && !unit;
    // Kept from one press to the next: thirty thousand ships' edits fill megabytes.
    std::vector<ShipEdit>& edits = keyEdits_;
    edits.clear();
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int direction = event->key() == Qt::Key_Right ? 1 : -1;
        forEachSelected([&](const MapShip& ship) {
            edits.push_back({ship.row, {SteppedValue(ship.x, direction, step, snap), {}, {}}});
        });
        emitChanges(edits, KeyRun::Move);
        return true;
    }
    case Qt::Key_Up:
    case Qt::Key_Down: {
        // World +Y is up on the screen.
        const int direction = event->key() == Qt::Key_Up ? 1 : -1;
        forEachSelected([&](const MapShip& ship) {
            edits.push_back({ship.row, {{}, SteppedValue(ship.y, direction, step, snap), {}}});
        });
        emitChanges(edits, KeyRun::Move);
        return true;
    }
    // Shift+"[" and Shift+"]" turn the group about its centre; keyboards report them as braces.
    case Qt::Key_BraceLeft:
    case Qt::Key_BraceRight:
        emitChanges(TurnedAboutCentre(selectedShips(),
                                      event->key() == Qt::Key_BraceRight ? TurnStep : -TurnStep),
                    KeyRun::Turn);
        return true;
    case Qt::Key_BracketLeft:
    case Qt::Key_BracketRight: {
        const int direction = event->key() == Qt::Key_BracketRight ? 1 : -1;
        if (unit) {
            emitChanges(TurnedAboutCentre(selectedShips(), direction * TurnStep), KeyRun::Turn);
            return true;
        }
        forEachSelected([&](const MapShip& ship) {
            const long long heading = SteppedValue(ship.heading, direction, TurnStep, snap_);
            edits.push_back({ship.row, {{}, {}, NormalHeading(double(heading))}});
        });
        emitChanges(edits, KeyRun::Turn);
        return true;
    }
    default:
        return false;
    }
}

void MapView::emitChanges(const std::vector<ShipEdit>& edits, KeyRun run) {
    if (run != keyRun_) {
        keyRun_ = run;
        ++gesture_;
    }
    emit shipsChanged(edits, gesture_);
}

bool MapView::viewByKey(const QKeyEvent* event) {
    const MapPoint centre{width() / 2.0, height() / 2.0};
    const bool control = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        transform_.zoomAbout(centre, WheelStep);
        break;
    case Qt::Key_Minus:
        transform_.zoomAbout(centre, 1 / WheelStep);
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (!control) {
            return false;
        }
        transform_.pan(event->key() == Qt::Key_Left ? PanStep : -PanStep, 0);
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!control) {
            return false;
        }
        transform_.pan(0, event->key() == Qt::Key_Up ? PanStep : -PanStep);
        break;
    default:
        return false;
    }
    userMoved_ = true;
    changed();
    return true;
}

void MapView::focusOutEvent(QFocusEvent* event) {
    keyRun_ = KeyRun::None;
    QWidget::focusOutEvent(event);
}

} // namespace forgeline
