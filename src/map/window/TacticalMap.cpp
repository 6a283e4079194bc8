#include "map/window/TacticalMap.h"

#include "map/MapShips.h"
#include "map/ShipsReadAgain.h"
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
#include <algorithm>
#include <numeric>

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
    connect(view_, &MapView::selectionPicked, this, &TacticalMap::linesPicked);
    connect(view_, &MapView::shipsChanged, this,
            [this](const std::vector<ShipEdit>& edits, int gesture) {
                // The owner applies them before it returns, and its lines come back meanwhile.
                ownEdits_ = &edits;
                emit shipsChanged(edits, gesture);
                ownEdits_ = nullptr;
            });
    connect(view_, &MapView::commandRequested, this, [this](const FleetRequest& request) {
        if (request.command != FleetCommand::SelectAll) {
            emit commandRequested(request);
            return;
        }
        // Every line, those not on the map too.
        std::vector<int> rows(static_cast<std::size_t>(lines_.size()));
        std::iota(rows.begin(), rows.end(), 0);
        emit linesPicked(rows);
    });
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

void TacticalMap::showLines(const QStringList& lines, std::vector<int> selection) {
    MapShips shown = readAgain(lines);
    selection_ = selection;
    notShown_ = shown.notShown;
    showNotShown();
    keepReading(view_->setShips(std::move(shown.ships), std::move(selection)));
    describe();
}

void TacticalMap::refreshLines(const QStringList& lines) {
    MapShips shown = readAgain(lines);
    notShown_ = shown.notShown;
    showNotShown();
    keepReading(view_->replaceShips(std::move(shown.ships)));
    describe();
}

MapShips TacticalMap::readAgain(const QStringList& lines) {
    // A string shared with one read before holds the very text read then.
    const auto same = [](const QStringList& before, qsizetype row, const QString& line) {
        return row < before.size() && SharesText(before[row], line);
    };
    const bool edited = ownEdits_ != nullptr && lines.size() == lines_.size();
    views_.clear();
    sources_.assign(static_cast<std::size_t>(lines.size()), LineSource::Read);
    for (qsizetype row = 0; row < lines.size(); ++row) {
        const QString& line = lines[row];
        views_.push_back(Utf16View(line));
        LineSource& source = sources_[static_cast<std::size_t>(row)];
        if (same(lines_, row, line)) {
            source = LineSource::Kept;
        } else if (edited) {
            source = LineSource::Edited;
        } else if (same(earlierLines_, row, line)) {
            source = LineSource::Earlier;
        }
    }
    static const std::vector<ShipEdit> none;
    MapShips shown = ShipsReadAgain(views_, sources_,
                                    {view_->ships(), edited ? *ownEdits_ : none, earlierShips_},
                                    std::move(spareShips_));
    earlierLines_ = std::exchange(lines_, lines);
    return shown;
}

void TacticalMap::keepReading(std::vector<MapShip> replaced) {
    spareShips_ = std::exchange(earlierShips_, std::move(replaced));
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
    if (std::binary_search(selection_.begin(), selection_.end(), row)) {
        describe();
    }
}

void TacticalMap::setSelection(std::vector<int> rows) {
    selection_ = rows;
    view_->setSelection(std::move(rows));
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
    std::vector<std::string> few;
    for (const int row : selection_) {
        if (selection_.size() <= 2 && row >= 0 && row < lines_.size()) {
            few.push_back(ToCore(lines_[row]));
        }
    }
    const QString selected = FromCore(SelectionDescription(selection_.size(), few));
    const QString use =
        view_->isEditable()
            ? QStringLiteral("dragging a ship moves the selection, dragging its handle or "
                             "Shift+dragging turns it, Ctrl+click and Shift+dragging empty space "
                             "select, arrow keys move the selection (Shift: one unit), [ and ] "
                             "turn each ship, Shift+[ and Shift+] turn them about their centre, "
                             "Ctrl+C, Ctrl+X, Ctrl+V, Ctrl+D and Delete copy, cut, paste, "
                             "duplicate and delete, Home fits the view to all ships and "
                             "Shift+Home to the selection, + and - zoom, Ctrl+arrow keys pan")
            : QStringLiteral("wheel or + and - zoom, dragging or Ctrl+arrow keys pan, clicking a "
                             "ship selects its line");
    view_->setAccessibleDescription(selected +
                                    QStringLiteral(". Ships at their X and Y "
                                                   "positions; ") +
                                    use);
}

} // namespace forgeline
