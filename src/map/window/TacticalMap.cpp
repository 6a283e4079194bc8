#include "map/window/TacticalMap.h"

#include "map/MapShips.h"
#include "map/window/MapView.h"
#include "map/window/MarkerStyle.h"
#include "model/ShipCatalogue.h"
#include "ui/Text.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace forgeline {
namespace {

constexpr int IconSize = 18;

QLabel* iconLabel(const QPixmap& icon, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setPixmap(icon);
    label->setFixedSize(IconSize, IconSize);
    return label;
}

QPixmap markIcon(void (*draw)(QPainter&, QPointF)) {
    QPixmap icon(IconSize, IconSize);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(IconSize / 2.0, IconSize / 2.0);
    painter.scale(0.65, 0.65);
    draw(painter, centre / 0.65);
    return icon;
}

void addRow(QGridLayout* grid, const QPixmap& icon, const QString& text) {
    const int row = grid->rowCount();
    QWidget* parent = grid->parentWidget();
    grid->addWidget(iconLabel(icon, parent), row, 0);
    auto* label = new QLabel(text, parent);
    label->setAccessibleName(text);
    grid->addWidget(label, row, 1);
}

} // namespace

TacticalMap::TacticalMap(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TacticalMap"));
    setWindowTitle(QStringLiteral("Tactical Map"));
    setAccessibleName(QStringLiteral("Tactical Map"));

    view_ = new MapView(this);
    view_->setObjectName(QStringLiteral("mapView"));
    view_->setAccessibleName(QStringLiteral("Map of the forces"));

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addWidget(buildLegend());
    resize(900, 620);

    connect(view_, &MapView::shipClicked, this, &TacticalMap::lineClicked);
    connect(view_, &MapView::shipChanged, this, &TacticalMap::shipChanged);
    connect(snap_, &QCheckBox::toggled, view_, &MapView::setSnap);
    describe();
}

QWidget* TacticalMap::buildLegend() {
    auto* legend = new QWidget(this);
    legend->setObjectName(QStringLiteral("legend"));
    legend->setAccessibleName(QStringLiteral("Legend"));
    auto* column = new QVBoxLayout(legend);
    auto* grid = new QGridLayout;
    column->addLayout(grid);

    for (const Nation& nation : Nations()) {
        addRow(grid, MarkerIcon(nation.code, IconSize), FromCore(nation.name));
    }
    addRow(grid, MarkerIcon(-1, IconSize), QStringLiteral("Unknown nation"));
    addRow(grid, markIcon(DrawPlayerRing), QStringLiteral("Player's ship"));
    addRow(grid, markIcon(DrawSelection), QStringLiteral("Selected line"));

    auto* heading = new QLabel(QStringLiteral("Heading: 0 points up (+Y), clockwise"), legend);
    heading->setObjectName(QStringLiteral("headingNote"));
    heading->setAccessibleName(heading->text());
    heading->setWordWrap(true);
    column->addWidget(heading);

    snap_ = new QCheckBox(QStringLiteral("Snap to grid"), legend);
    snap_->setObjectName(QStringLiteral("snapToGrid"));
    snap_->setAccessibleName(snap_->text());
    column->addWidget(snap_);

    note_ = new QLabel(legend);
    note_->setObjectName(QStringLiteral("notShown"));
    note_->setAccessibleName(QStringLiteral("Lines not shown"));
    column->addWidget(note_);
    column->addStretch();
    legend->setFixedWidth(190);
    return legend;
}

void TacticalMap::showLines(const QStringList& lines, int selectedRow) {
    MapShips shown = ShipsForMap(ToCore(lines));
    lines_ = lines;
    selectedRow_ = selectedRow;
    notShown_ = shown.notShown;
    showNotShown();
    view_->setShips(std::move(shown.ships), selectedRow);
    describe();
}

void TacticalMap::showLine(int row, const QString& line) {
    if (row < 0 || row >= lines_.size()) {
        return;
    }
    lines_[row] = line;
    MapShips shown = ShipsForMap({ToCore(line)});
    const bool isShown = !shown.ships.empty();
    const bool wasShown = view_->placeShip(
        row, isShown ? std::optional<MapShip>(std::move(shown.ships.front())) : std::nullopt);
    notShown_ += int(wasShown) - int(isShown);
    showNotShown();
    if (row == selectedRow_) {
        describe();
    }
}

void TacticalMap::setSelectedRow(int row) {
    selectedRow_ = row;
    view_->setSelectedRow(row);
    describe();
}

void TacticalMap::setEditable(bool editable) {
    view_->setEditable(editable);
    // Where nothing can be moved there is nothing to snap.
    snap_->setVisible(editable);
    describe();
}

void TacticalMap::showNotShown() {
    note_->setText(FromCore(NotShownText(notShown_)));
}

void TacticalMap::describe() {
    const QString selected = selectedRow_ >= 0 && selectedRow_ < lines_.size()
                                 ? FromCore(SelectionDescription(ToCore(lines_[selectedRow_])))
                                 : QStringLiteral("No ship selected");
    const QString use =
        view_->isEditable()
            ? QStringLiteral("dragging a ship moves it, dragging its handle or Shift+dragging "
                             "turns it, arrow keys move the selected ship (Shift: one unit), [ "
                             "and ] turn it, + and - zoom, Ctrl+arrow keys pan")
            : QStringLiteral("wheel or + and - zoom, dragging or Ctrl+arrow keys pan, clicking a "
                             "ship selects its line");
    view_->setAccessibleDescription(selected +
                                    QStringLiteral(". Ships at their X and Y "
                                                   "positions; ") +
                                    use);
}

} // namespace forgeline
