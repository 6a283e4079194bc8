// The editor's doors to the other windows: the browser, the generator, the map and the history.
#include "editor/window/EditorHistory.h"
#include "editor/window/frmMain.h"
#include "map/window/MapFollower.h"
#include "map/window/TacticalMap.h"
#include "play/window/frmPlay.h"
#include "random/window/frmRandom.h"
#include "ui/LineList.h"

#include <QAction>
#include <QStyle>
#include <QUndoView>

namespace forgeline {
namespace {

void bringToFront(QWidget* window) {
    window->show();
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
}

} // namespace

void frmMain::frmMain_mnuLoad_Click() {
    // Loaded afresh each time, and the editor takes no input until it is closed.
    frmPlay browser(services_, this);
    browser.exec();
}

void frmMain::frmMain_mnuRandom_Click() {
    if (!random_) {
        random_ = new frmRandom(services_);
        random_->setAttribute(Qt::WA_DeleteOnClose);
    }
    bringToFront(random_);
}

void frmMain::frmMain_mnuMap_Click() {
    if (!map_) {
        map_ = new TacticalMap();
        map_->setAttribute(Qt::WA_DeleteOnClose);
        new MapFollower(map_, Forces);
        connect(map_, &TacticalMap::shipsChanged, this, &frmMain::frmMain_Map_ShipsChanged);
        connect(map_, &TacticalMap::commandRequested, this, &frmMain::runFleetCommand);
        // Undo and Redo act on the editor's history while the map has the focus too.
        map_->addActions({findChild<QAction*>(QStringLiteral("mnuUndo")),
                          findChild<QAction*>(QStringLiteral("mnuRedo"))});
    }
    bringToFront(map_);
}

void frmMain::frmMain_mnuHistory_Click() {
    if (!historyView_) {
        // A window of the editor's own, beside it: choosing a step undoes or redoes to it.
        historyView_ = new QUndoView(history_->stack(), this);
        historyView_->setWindowFlag(Qt::Tool);
        historyView_->setAttribute(Qt::WA_DeleteOnClose);
        historyView_->setObjectName(QStringLiteral("History"));
        historyView_->setWindowTitle(QStringLiteral("History"));
        historyView_->setAccessibleName(QStringLiteral("History"));
        historyView_->setEmptyLabel(QStringLiteral("Start"));
        historyView_->setCleanIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
        historyView_->resize(260, 320);
    }
    bringToFront(historyView_);
}

} // namespace forgeline
