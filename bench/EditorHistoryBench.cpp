// Open, New and Reset Forces of a big scenario, selecting all its ships on the map and moving
// them one step, pasting its lines, and the undo of each, until the list shows the result. Each is
// measured alone: the other half of the pair runs with the clock stopped, so the iterations are
// fixed rather than grown until the timed half fills the minimum time.
#include "AnsweringDialogs.h"
#include "BenchScenarios.h"
#include "PaintWatch.h"
#include "editor/ForceClipboard.h"
#include "editor/window/frmMain.h"
#include "files/FolderToolchain.h"
#include "map/window/MapView.h"
#include "ui/LineList.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPushButton>
#include <benchmark/benchmark.h>

namespace {

using namespace forgeline;
using namespace forgeline::bench;

enum class Step { Open, New, Reset, MoveAll, Paste };

void pressKey(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(widget, &press);
}

class HistoryEditor {
  public:
    explicit HistoryEditor(int lines)
        : lines_(lines), dialogs_(QString::fromStdString(ScenarioFileOf(lines))),
          toolchain_(RunFolder().path()), window_({RunFolder().path(), &toolchain_, &dialogs_, {}}),
          forces_(window_.findChild<LineList*>(QStringLiteral("Forces"))),
          watch_(forces_->viewport()) {
        window_.show();
        watch_.waitFor(0, [] { return true; });
    }

    // The map outlives the editor it was opened from: the next editor opens its own. Closed,
    // it goes when the event loop next runs, which no benchmark starts, and would otherwise
    // keep its thirty thousand ships through every benchmark after.
    ~HistoryEditor() {
        if (MapView* view = map()) {
            view->window()->close();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    // Runs the step; true once the list shows what it left.
    bool run(Step step) {
        switch (step) {
        case Step::Open:
            return until(lines_, [this] { action("mnuOpen")->trigger(); });
        case Step::New:
            return until(0, [this] { action("mnuNew")->trigger(); });
        case Step::Reset:
            return until(
                0, [this] { window_.findChild<QPushButton*>(QStringLiteral("reset"))->click(); });
        case Step::MoveAll:
            return moved(true, [this] {
                MapView* view = map();
                pressKey(view, Qt::Key_A, Qt::ControlModifier);
                pressKey(view, Qt::Key_Right, Qt::NoModifier);
            });
        case Step::Paste:
            return until(2 * lines_, [this] { pressKey(forces_, Qt::Key_V, Qt::ControlModifier); });
        }
        return false;
    }

    // Undoes the last step; true once the list shows the lines it had before.
    bool undo(Step step) {
        const auto undo = [this] { action("mnuUndo")->trigger(); };
        return step == Step::MoveAll ? moved(false, undo)
                                     : until(step == Step::Open ? 0 : lines_, undo);
    }

    // The map, opened the first time; the clipboard, filled for a paste.
    void prepare(Step step) {
        if (step == Step::MoveAll) {
            action("mnuMap")->trigger();
            first_ = forces_->line(0);
            // Keys reach the map as they would with its window in front, not the editor's menu.
            map()->window()->activateWindow();
            watch_.waitFor(watch_.paints() - 1,
                           [this] { return QApplication::activeWindow() == map()->window(); });
        }
        if (step == Step::Paste) {
            QApplication::clipboard()->setText(
                QString::fromStdString(ClipboardText(ForceLinesOf(lines_))));
        }
    }

    const QStringList& shown() const { return dialogs_.shown; }

  private:
    QAction* action(const char* name) const {
        return window_.findChild<QAction*>(QLatin1String(name));
    }

    MapView* map() const {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* view = window->findChild<MapView*>(QStringLiteral("mapView"));
            if (view != nullptr && window->isVisible()) {
                return view;
            }
        }
        return nullptr;
    }

    // Acts; true once the first line is moved from where it was opened, or back there.
    template <typename Act> bool moved(bool away, Act act) {
        const int before = watch_.paints();
        act();
        return watch_.waitFor(before,
                              [this, away] { return (forces_->line(0) != first_) == away; });
    }

    template <typename Act> bool until(int count, Act act) {
        const int before = watch_.paints();
        act();
        return watch_.waitFor(before, [this, count] { return forces_->count() == count; });
    }

    int lines_;
    AnsweringDialogs dialogs_;
    FolderToolchain toolchain_;
    frmMain window_;
    LineList* forces_;
    PaintWatch watch_;
    QString first_;
};

// Times the step, or its undo, on a scenario of state.range(0) force lines.
void BM_History(benchmark::State& state, Step step, bool timeUndo) {
    HistoryEditor editor(static_cast<int>(state.range(0)));
    if (step != Step::Open && !editor.run(Step::Open)) {
        state.SkipWithError("the list did not show the opened file");
        return;
    }
    editor.prepare(step);
    for (auto _ : state) {
        bool done = false;
        bool undone = false;
        if (timeUndo) {
            state.PauseTiming();
            done = editor.run(step);
            state.ResumeTiming();
            undone = editor.undo(step);
        } else {
            done = editor.run(step);
            state.PauseTiming();
            undone = editor.undo(step);
            state.ResumeTiming();
        }
        if (!done || !undone) {
            state.SkipWithError("the list did not show the step or its undo");
            break;
        }
    }
    if (!editor.shown().isEmpty()) {
        state.SkipWithError(editor.shown().first().toStdString().c_str());
    }
}

} // namespace

BENCHMARK_CAPTURE(BM_History, open, Step::Open, false)
    ->Arg(32767)
    ->Arg(30000)
    ->Arg(10000)
    ->Iterations(10)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_History, undo_open, Step::Open, true)
    ->Arg(32767)
    ->Iterations(10)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_History, new, Step::New, false)->Arg(32767)->Iterations(10)->UseRealTime();
BENCHMARK_CAPTURE(BM_History, undo_new, Step::New, true)->Arg(32767)->Iterations(10)->UseRealTime();
BENCHMARK_CAPTURE(BM_History, reset, Step::Reset, false)->Arg(32767)->Iterations(10)->UseRealTime();
BENCHMARK_CAPTURE(BM_History, undo_reset, Step::Reset, true)
    ->Arg(32767)
    ->Iterations(10)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_History, move_all, Step::MoveAll, false)
    ->Arg(30000)
    ->Iterations(10)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_History, undo_move_all, Step::MoveAll, true)
    ->Arg(30000)
    ->Iterations(10)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_History, paste, Step::Paste, false)->Arg(10000)->Iterations(10)->UseRealTime();
BENCHMARK_CAPTURE(BM_History, undo_paste, Step::Paste, true)
    ->Arg(10000)
    ->Iterations(10)
    ->UseRealTime();
