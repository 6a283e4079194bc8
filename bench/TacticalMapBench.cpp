// The tactical map showing and drawing a huge fleet, against parsing the same lines alone; and
// one frame of a drag on the editor's map, against a bare pass that draws the same markers.
#include "AnsweringDialogs.h"
#include "BenchScenarios.h"
#include "PaintWatch.h"
#include "editor/window/frmMain.h"
#include "files/FolderToolchain.h"
#include "map/MapShips.h"
#include "map/window/MapView.h"
#include "map/window/TacticalMap.h"
#include "ui/LineList.h"
#include "ui/Text.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <benchmark/benchmark.h>
#include <deque>

namespace {

using namespace forgeline;
using namespace forgeline::bench;

void BM_TacticalMapDraw(benchmark::State& state) {
    const QStringList lines = FromCore(ForceLinesOf(static_cast<int>(state.range(0))));
    TacticalMap map;
    const PaintWatch watch(&map);
    map.show();
    watch.waitFor(0, [] { return true; });
    // Lines of their own each time, fresh as an Open leaves them: the map does not read again
    // the very lines it read before. The map keeps the last two it showed; the copy dropped
    // here, with the clock stopped, is the one before those.
    std::deque<QStringList> shown;
    for (auto _ : state) {
        state.PauseTiming();
        QStringList fresh;
        fresh.reserve(lines.size());
        for (const QString& line : lines) {
            fresh.push_back(QString(line.constData(), line.size()));
        }
        shown.push_back(fresh);
        if (shown.size() > 3) {
            shown.pop_front();
        }
        state.ResumeTiming();
        map.showLines(fresh, {});
        QPixmap drawn = map.grab();
        benchmark::DoNotOptimize(drawn);
    }
}

void BM_MapParseBaseline(benchmark::State& state) {
    const std::vector<std::string> lines = ForceLinesOf(static_cast<int>(state.range(0)));
    if (ShipsForMap(lines).ships.size() != lines.size()) {
        state.SkipWithError("not every line is a ship on the map");
        return;
    }
    for (auto _ : state) {
        MapShips ships = ShipsForMap(lines);
        benchmark::DoNotOptimize(ships);
    }
}

void sendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

QPoint viewPointOf(const MapView* view, const MapShip& ship) {
    const MapPoint at = view->transform().toView({ship.x, ship.y});
    return {qRound(at.x), qRound(at.y)};
}

void BM_MapDragFrame(benchmark::State& state) {
    const std::vector<std::string> lines = ForceLinesOf(static_cast<int>(state.range(0)));
    AnsweringDialogs dialogs{QString()};
    FolderToolchain toolchain(RunFolder().path());
    frmMain editor({RunFolder().path(), &toolchain, &dialogs, {}});
    auto* forces = editor.findChild<LineList*>(QStringLiteral("Forces"));
    forces->appendAll(FromCore(lines));
    editor.show();
    // Maps that other benchmarks closed go first: this editor's map is the one shown.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    editor.findChild<QAction*>(QStringLiteral("mnuMap"))->trigger();
    MapView* view = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* shown = window->findChild<MapView*>(QStringLiteral("mapView"));
            shown != nullptr && window->isVisible()) {
            view = shown;
        }
    }
    const PaintWatch watch(view);
    watch.waitFor(0, [] { return true; });

    const QPoint grabbed = viewPointOf(view, ShipsForMap({lines.front()}).ships.front());
    sendMouse(view, QEvent::MouseButtonPress, grabbed, Qt::LeftButton);
    const QStringList before = forces->lines();
    int frame = 0;
    for (auto _ : state) {
        const QPoint offset(20 + 10 * (frame++ % 2), 15);
        sendMouse(view, QEvent::MouseMove, grabbed + offset, Qt::LeftButton);
        view->repaint();
    }
    sendMouse(view, QEvent::MouseButtonRelease, grabbed + QPoint(20, 15), Qt::NoButton);
    if (forces->lines() == before) {
        state.SkipWithError("the drag moved no ship");
    }
    delete view->window();
}

void BM_MarkerPassBaseline(benchmark::State& state) {
    const MapShips shown = ShipsForMap(ForceLinesOf(static_cast<int>(state.range(0))));
    TacticalMap map;
    map.show();
    const QSize size = map.findChild<MapView*>(QStringLiteral("mapView"))->size();
    const MapTransform transform = FitView(FitArea(shown.ships), size.width(), size.height());
    std::vector<QPointF> points;
    for (const MapShip& ship : shown.ships) {
        const MapPoint at = transform.toView({ship.x, ship.y});
        points.emplace_back(at.x, at.y);
    }
    QPixmap canvas(size);
    for (auto _ : state) {
        QPainter painter(&canvas);
        painter.fillRect(canvas.rect(), Qt::white);
        painter.setPen(Qt::darkBlue);
        painter.setBrush(Qt::blue);
        for (const QPointF& at : points) {
            painter.drawEllipse(at, 5.0, 5.0);
        }
    }
}

} // namespace

BENCHMARK(BM_MapDragFrame)->Arg(30000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MarkerPassBaseline)->Arg(30000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TacticalMapDraw)->Arg(30000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MapParseBaseline)->Arg(30000)->Unit(benchmark::kMillisecond)->UseRealTime();
