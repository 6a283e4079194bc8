#include "map/window/MapFollower.h"

#include "map/window/TacticalMap.h"
#include "ui/LineList.h"

#include <QApplication>
#include <QItemSelectionModel>

namespace forgeline {
namespace {

// Beyond this many changed rows, drawing the whole list anew is cheaper than row by row.
constexpr int ManyRows = 64;

} // namespace

MapFollower::MapFollower(TacticalMap* map, LineList* editorForces)
    : QObject(map), map_(map), editorForces_(editorForces) {
    connect(qApp, &QApplication::focusChanged, this, &MapFollower::followActiveWindow);
    connect(map, &TacticalMap::lineClicked, this, &MapFollower::selectInEditor);
    connect(map, &TacticalMap::linesPicked, this, &MapFollower::pickInEditor);
    follow(editorForces);
}

void MapFollower::followActiveWindow() {
    QWidget* active = QApplication::activeWindow();
    // Message boxes, dialogs and the map itself leave the map where it is.
    if (active == nullptr || active == map_) {
        return;
    }
    if (auto* forces = active->findChild<LineList*>(QStringLiteral("Forces"))) {
        follow(forces);
    }
}

void MapFollower::follow(LineList* forces) {
    if (forces == followed_ || forces == nullptr) {
        return;
    }
    for (const auto& connection : connections_) {
        disconnect(connection);
    }
    connections_.clear();
    followed_ = forces;
    QAbstractItemModel* model = forces->model();
    connections_.push_back(
        connect(model, &QAbstractItemModel::modelReset, this, &MapFollower::redraw));
    // Lines added or taken away keep the user's zoom and pan: a paste under the cursor stays
    // there.
    connections_.push_back(
        connect(model, &QAbstractItemModel::layoutChanged, this, &MapFollower::refresh));
    connections_.push_back(
        connect(model, &QAbstractItemModel::rowsInserted, this, &MapFollower::refresh));
    connections_.push_back(
        connect(model, &QAbstractItemModel::rowsRemoved, this, &MapFollower::refresh));
    connections_.push_back(connect(model, &QAbstractItemModel::dataChanged, this,
                                   [this](const QModelIndex& first, const QModelIndex& last) {
                                       redrawRows(first.row(), last.row());
                                   }));
    connections_.push_back(
        connect(forces->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
            if (map_ && followed_) {
                map_->setSelection(followed_->selectedRows());
            }
        }));
    // A browser or generator that closes hands the map back to the editor.
    connections_.push_back(connect(forces, &QObject::destroyed, this, [this] {
        followed_ = nullptr;
        follow(editorForces_);
    }));
    // Only the editor's lines are the user's to change; the generator's are a proposal.
    map_->setEditable(forces == editorForces_);
    redraw();
}

void MapFollower::redraw() {
    if (map_ && followed_) {
        map_->showLines(followed_->lines(), followed_->selectedRows());
    }
}

void MapFollower::refresh() {
    if (map_ && followed_) {
        map_->refreshLines(followed_->lines());
    }
}

void MapFollower::redrawRows(int first, int last) {
    if (!map_ || !followed_) {
        return;
    }
    if (last - first >= ManyRows) {
        return refresh();
    }
    for (int row = first; row <= last; ++row) {
        map_->showLine(row, followed_->line(row));
    }
}

void MapFollower::selectInEditor(int row) {
    if (followed_ != editorForces_ || !editorForces_) {
        return;
    }
    editorForces_->selectRow(row);
    editorForces_->scrollTo(editorForces_->model()->index(row, 0));
}

void MapFollower::pickInEditor(const std::vector<int>& rows) {
    if (followed_ == editorForces_ && editorForces_) {
        editorForces_->selectRows(rows);
    }
}

} // namespace forgeline
