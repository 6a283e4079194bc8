// A scenario file dropped on the editor opens as Open would; any other drop of files is
// refused with a message and changes nothing. The file is copied from, never moved.
#include "editor/CommandMessages.h"
#include "editor/window/frmMain.h"
#include "ui/DroppedFile.h"

#include <QDropEvent>
#include <QMimeData>

namespace forgeline {
namespace {

// Takes a drag of files as a copy where its source allows one.
bool acceptAsCopy(QDropEvent* event) {
    if (!CarriesFiles(event->mimeData()) || !(event->possibleActions() & Qt::CopyAction)) {
        return false;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

} // namespace

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    acceptAsCopy(event);
}

void frmMain::dragMoveEvent(QDragMoveEvent* event) {
    acceptAsCopy(event);
}

void frmMain::dropEvent(QDropEvent* event) {
    if (!CarriesFiles(event->mimeData())) {
        return;
    }
    auto path = DroppedScenario(event->mimeData());
    if (!path || !acceptAsCopy(event)) {
        // Refused, so the source keeps what it offered.
        path.reset();
        event->ignore();
    }
    // Opened once the drop is over: a message box must not hold the drag source.
    QMetaObject::invokeMethod(
        this,
        [this, path] {
            if (path) {
                openScenario(*path);
            } else {
                inform(DropRefusedMessage);
            }
        },
        Qt::QueuedConnection);
}

bool frmMain::takeFileDrag(QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
        return false;
    }
    auto* drag = static_cast<QDropEvent*>(event);
    if (!CarriesFiles(drag->mimeData())) {
        return false;
    }
    if (type == QEvent::Drop) {
        dropEvent(drag);
    } else {
        acceptAsCopy(drag);
    }
    return true;
}

} // namespace forgeline
