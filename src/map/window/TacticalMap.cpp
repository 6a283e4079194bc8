#include "map/window/TacticalMap.h"

#include "map/MapShips.h"
#include "map/window/MapView.h"
#include "map/window/MarkerStyle.h"
#include "model/ShipCatalogue.h"
#include "ui/Text.h"

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
    view_->setAccessibleDescription(
        QStringLiteral("Ships at their X and Y positions; wheel zooms, dragging pans, clicking a "
                       "ship selects its line"));

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addWidget(buildLegend());
    resize(900, 620);

    connect(view_, &MapView::shipClicked, this, &TacticalMap::lineClicked);
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
    note_->setText(FromCore(NotShownText(shown.notShown)));
    view_->setShips(std::move(shown.ships), selectedRow);
}

void TacticalMap::setSelectedRow(int row) {
    view_->setSelectedRow(row);
}

} // namespace forgeline
