// A scenario file dropped on the editor opens as Open would.
#include "editor/window/frmMain.h"
#include "ui/DroppedFile.h"

#include <QDropEvent>
#include <QMimeData>

namespace forgeline {

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (DroppedFile(event->mimeData())) {
        event->acceptProposedAction();
    }
}

void frmMain::dropEvent(QDropEvent* event) {
    const auto path = DroppedFile(event->mimeData());
    if (!path) {
        return;
    }
    event->acceptProposedAction();
    // Opened once the drop is over: a failure's message box must not hold the drag source.
    QMetaObject::invokeMethod(
        this, [this, file = *path] { openScenario(file); }, Qt::QueuedConnection);
}

bool frmMain::takeFileDrag(QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
        return false;
    }
    auto* drag = static_cast<QDropEvent*>(event);
    if (!DroppedFile(drag->mimeData())) {
        return false;
    }
    if (type == QEvent::Drop) {
        dropEvent(drag);
    } else {
        drag->acceptProposedAction();
    }
    return true;
}

} // namespace forgeline
