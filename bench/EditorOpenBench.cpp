// The editor opening a big scenario through its menu until the list shows it, and selecting
// the last line, against the core reading the same file alone.
#include "AnsweringDialogs.h"
#include "BenchScenarios.h"
#include "PaintWatch.h"
#include "editor/window/frmMain.h"
#include "files/FolderToolchain.h"
#include "ui/LineList.h"

#include <QAction>
#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {

using namespace forgeline;
using namespace forgeline::bench;

// The editor on screen with the Open dialog answered by a file of `lines` force lines.
class OpenEditor {
  public:
    explicit OpenEditor(int lines)
        : lines_(lines), dialogs_(QString::fromStdString(ScenarioFileOf(lines))),
          toolchain_(RunFolder().path()), window_({RunFolder().path(), &toolchain_, &dialogs_, {}}),
          open_(window_.findChild<QAction*>(QStringLiteral("mnuOpen"))),
          forces_(window_.findChild<LineList*>(QStringLiteral("Forces"))),
          watch_(forces_->viewport()) {
        window_.show();
        watch_.waitFor(0, [] { return true; });
    }

    LineList* forces() const { return forces_; }
    const PaintWatch& watch() const { return watch_; }

    // Opens the file through the menu; true once all its lines are in the list and drawn.
    bool open() const {
        const int before = watch_.paints();
        open_->trigger();
        return watch_.waitFor(before, [this] { return forces_->count() == lines_; });
    }

    // Selects the row; true once the selection is drawn.
    bool select(int row) const {
        const int before = watch_.paints();
        forces_->selectRow(row);
        return watch_.waitFor(before, [this, row] { return forces_->selectedRow() == row; });
    }

    QString shipName() const {
        return window_.findChild<QLineEdit*>(QStringLiteral("shipname"))->text();
    }

    // The messages the editor showed, which none of these steps should.
    const QStringList& shown() const { return dialogs_.shown; }

  private:
    int lines_;
    AnsweringDialogs dialogs_;
    FolderToolchain toolchain_;
    frmMain window_;
    QAction* open_;
    LineList* forces_;
    PaintWatch watch_;
};

void reportMessages(benchmark::State& state, const OpenEditor& editor) {
    if (!editor.shown().isEmpty()) {
        state.SkipWithError(editor.shown().first().toStdString().c_str());
    }
}

void BM_EditorOpen(benchmark::State& state) {
    const OpenEditor editor(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        if (!editor.open()) {
            state.SkipWithError("the list did not show the opened file");
            break;
        }
    }
    reportMessages(state, editor);
}

void BM_EditorSelectLast(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    const OpenEditor editor(lines);
    if (!editor.open()) {
        state.SkipWithError("the list did not show the opened file");
        return;
    }
    const int last = lines - 1;
    for (auto _ : state) {
        state.PauseTiming();
        const bool atTop = editor.select(0);
        state.ResumeTiming();
        if (!atTop || !editor.select(last)) {
            state.SkipWithError("the selection was not drawn");
            break;
        }
    }
    if (editor.shipName() != QStringLiteral("K%1").arg(last)) {
        state.SkipWithError("the selection handler did not fill in the last ship");
    }
    reportMessages(state, editor);
}

void BM_EditorReadBaseline(benchmark::State& state) {
    const std::string& path = ScenarioFileOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto read = ReadScenarioSource(path);
        benchmark::DoNotOptimize(read);
    }
}

} // namespace

BENCHMARK(BM_EditorOpen)->Arg(32767)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EditorSelectLast)->Arg(32767)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EditorReadBaseline)->Arg(32767)->Unit(benchmark::kMillisecond)->UseRealTime();
