#include "PaintWatch.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

namespace forgeline::bench {

namespace {
constexpr qint64 PatienceMs = 10000;
}

PaintWatch::PaintWatch(QWidget* widget) {
    widget->installEventFilter(this);
}

bool PaintWatch::waitFor(int before, const std::function<bool()>& done) const {
    QElapsedTimer waited;
    waited.start();
    while (!(paints_ > before && done())) {
        if (waited.elapsed() > PatienceMs) {
            return false;
        }
        QCoreApplication::processEvents();
    }
    return true;
}

bool PaintWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        ++paints_;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace forgeline::bench
