// The memory the undo history holds after typing: 1 000 steps in the description of a scenario
// of many force lines, each step one character followed by the focus leaving the box, so no
// two steps merge. A step that kept a copy of the text it changed, or of the lines, would hold
// the scenario's size a thousand times over.
//
// Reported as counters, from glibc's own count of heap bytes in use (so what Qt allocates with
// malloc counts too): held_bytes, what clearing the history gives back; grown_bytes, what the
// whole editor holds after the steps more than before them, the box's own layout of the text
// included; text_bytes, the size of the scenario's file.
#include "AnsweringDialogs.h"
#include "BenchScenarios.h"
#include "PaintWatch.h"
#include "editor/window/frmMain.h"
#include "files/FolderToolchain.h"
#include "ui/LineList.h"

#include <QAction>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QUndoStack>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <malloc.h>
#include <stdexcept>

namespace {

using namespace forgeline;
using namespace forgeline::bench;

constexpr int TypingSteps = 1000;

std::size_t heapInUse() {
    const struct mallinfo2 heap = mallinfo2();
    return heap.uordblks + heap.hblkhd;
}

// A scenario of `lines` force lines whose description is as long as a QLineEdit's default
// limit, so a step that copied the text typed into would show.
std::string TypingScenarioOf(int lines) {
    ScenarioSource source = ScenarioOf(lines);
    source.Description.clear();
    while (source.Description.size() < 32767) {
        source.Description += "Many ships gather at the rim. ";
    }
    const std::string file = RunFolder().file("typing-" + std::to_string(lines) + ".sce");
    if (const Status written = WriteScenarioSource(file, source); !written) {
        throw std::runtime_error(written.failure().description);
    }
    return file;
}

void BM_TypingHistory(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    const std::string file = TypingScenarioOf(lines);
    AnsweringDialogs dialogs(QString::fromStdString(file));
    FolderToolchain toolchain(RunFolder().path());
    frmMain window({RunFolder().path(), &toolchain, &dialogs, {}});
    auto* forces = window.findChild<LineList*>(QStringLiteral("Forces"));
    auto* description = window.findChild<QPlainTextEdit*>(QStringLiteral("Description"));
    auto* history = window.findChild<QUndoStack*>();
    PaintWatch watch(forces->viewport());
    window.show();
    window.findChild<QAction*>(QStringLiteral("mnuOpen"))->trigger();
    if (!watch.waitFor(0, [&] { return forces->count() == lines; })) {
        state.SkipWithError("the list did not show the opened file");
        return;
    }
    history->clear();

    std::size_t held = 0;
    std::size_t grown = 0;
    for (auto _ : state) {
        const std::size_t before = heapInUse();
        for (int step = 0; step < TypingSteps; ++step) {
            // Spread over the text, so the steps are not one run at its end.
            QTextCursor insertion = description->textCursor();
            insertion.setPosition(step * 31 % description->document()->characterCount());
            description->setTextCursor(insertion);
            description->insertPlainText(QStringLiteral("x"));
            QFocusEvent left(QEvent::FocusOut);
            QCoreApplication::sendEvent(description, &left);
        }
        const std::size_t typed = heapInUse();
        grown = typed - before;
        state.PauseTiming();
        const bool stepsKept = history->count() == TypingSteps;
        history->clear();
        held = typed - heapInUse();
        state.ResumeTiming();
        if (!stepsKept) {
            state.SkipWithError("the typing did not make one step per character");
            return;
        }
    }
    if (!dialogs.shown.isEmpty()) {
        state.SkipWithError(dialogs.shown.first().toStdString().c_str());
    }
    state.counters["held_bytes"] = static_cast<double>(held);
    state.counters["grown_bytes"] = static_cast<double>(grown);
    state.counters["text_bytes"] = static_cast<double>(std::filesystem::file_size(file));
}

} // namespace

// The heap's count does not vary with the machine's load: a few repetitions are enough.
BENCHMARK(BM_TypingHistory)->Arg(32767)->Iterations(1)->Repetitions(3)->UseRealTime();
