#pragma once

// The editor's undo history without a window: what one step changed and how to put it back.
// `Lines` is the window's list of force lines (any list with size(), iterators, a range
// constructor and ==), so a step can keep the window's own lines without copying them.

#include "editor/TextChange.h"
#include "model/ForceChecks.h"
#include "model/RowRuns.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace forgeline {

// The scenario's texts, in the order of the form.
enum class ScenarioText { SCE, Summary, Description, Objective };
inline constexpr std::array AllScenarioTexts = {ScenarioText::SCE, ScenarioText::Summary,
                                                ScenarioText::Description, ScenarioText::Objective};

// What a step puts back besides texts and lines: the selected force lines, whether Edit and
// Remove Ship are enabled, and the edit index.
struct ListState {
    std::vector<RowRun> selected;
    bool shipButtonsEnabled = false;
    std::string editIndex;

    bool operator==(const ListState&) const = default;
};

// One change of the force lines, held as TextSwap holds a text's: from `row`, the
// `onScreenCount` lines now shown stand where `offScreen` stood.
template <typename Lines> struct LinesSwap {
    std::size_t row = 0;
    std::size_t onScreenCount = 0;
    Lines offScreen;
};

// The editor as the history sees it.
template <typename Lines> class ScenarioScreen {
  public:
    virtual ~ScenarioScreen() = default;
    virtual std::string text(ScenarioText which) const = 0;
    // Shows the text with the insertion point at byte `cursor`, running no rule of the box.
    virtual void showText(ScenarioText which, const std::string& text, std::size_t cursor) = 0;
    virtual Lines lines() const = 0;
    // Puts `lines` in place of the `count` lines from `row` and gives back those.
    virtual Lines replaceLines(std::size_t row, std::size_t count, Lines lines) = 0;
    virtual ListState listState() const = 0;
    // Selects the row without loading it into the entry fields.
    virtual void showListState(const ListState& state) = 0;
};

// What a command may change, taken before it runs.
template <typename Lines> struct ScenarioSnapshot {
    std::array<std::string, AllScenarioTexts.size()> texts;
    Lines lines;
    ListState state;
};

template <typename Lines> ScenarioSnapshot<Lines> Snapshot(const ScenarioScreen<Lines>& screen) {
    ScenarioSnapshot<Lines> snapshot{{}, screen.lines(), screen.listState()};
    for (std::size_t i = 0; i < AllScenarioTexts.size(); ++i) {
        snapshot.texts[i] = screen.text(AllScenarioTexts[i]);
    }
    return snapshot;
}

// One step of the history. Steps with the same nonzero merge key that follow each other become
// one: the typing of one visit to a box, the moves of one drag.
template <typename Lines> struct HistoryStep {
    std::vector<std::pair<ScenarioText, TextSwap>> texts;
    std::optional<LinesSwap<Lines>> lines;
    ListState before;
    ListState after;
    int mergeKey = 0;

    bool changesNothing() const {
        for (const auto& text : texts) {
            if (!text.second.changesNothing()) {
                return false;
            }
        }
        return !lines;
    }
};

template <typename Lines> std::size_t LineCount(const Lines& lines) {
    return static_cast<std::size_t>(lines.size());
}

// The lines from `row` that `after` holds in place of `before`'s: what both start and end with
// is kept out of the change.
template <typename Lines>
std::optional<LinesSwap<Lines>> LinesChange(const Lines& before, const Lines& after) {
    const std::size_t shorter = std::min(LineCount(before), LineCount(after));
    std::size_t start = 0;
    while (start < shorter && before[start] == after[start]) {
        ++start;
    }
    std::size_t end = 0;
    while (end < shorter - start &&
           before[LineCount(before) - 1 - end] == after[LineCount(after) - 1 - end]) {
        ++end;
    }
    const std::size_t removed = LineCount(before) - start - end;
    const std::size_t added = LineCount(after) - start - end;
    if (removed == 0 && added == 0) {
        return std::nullopt;
    }
    // The whole list is kept as it is: lists that share their lines copy none.
    const auto first = before.begin() + static_cast<std::ptrdiff_t>(start);
    return LinesSwap<Lines>{start, added,
                            removed == LineCount(before)
                                ? before
                                : Lines(first, first + static_cast<std::ptrdiff_t>(removed))};
}

// The step that turned `before` into what the screen shows now.
template <typename Lines>
HistoryStep<Lines> StepSince(const ScenarioSnapshot<Lines>& before,
                             const ScenarioScreen<Lines>& screen, int mergeKey = 0) {
    HistoryStep<Lines> step{
        {}, LinesChange(before.lines, screen.lines()), before.state, screen.listState(), mergeKey};
    for (std::size_t i = 0; i < AllScenarioTexts.size(); ++i) {
        TextSwap change = TextChange(before.texts[i], screen.text(AllScenarioTexts[i]));
        if (!change.changesNothing()) {
            step.texts.emplace_back(AllScenarioTexts[i], std::move(change));
        }
    }
    return step;
}

// Takes `next`, done right after `step`, into it when both carry the same nonzero merge key
// and `next` changed only texts, or lines that `step` put on screen.
template <typename Lines>
bool Absorb(HistoryStep<Lines>& step, HistoryStep<Lines> next,
            const ScenarioScreen<Lines>& screen) {
    if (step.mergeKey == 0 || next.mergeKey != step.mergeKey) {
        return false;
    }
    if (next.lines && step.lines &&
        (next.lines->row != step.lines->row ||
         LineCount(next.lines->offScreen) != step.lines->onScreenCount)) {
        return false;
    }
    for (auto& [which, change] : next.texts) {
        auto mine = std::find_if(step.texts.begin(), step.texts.end(),
                                 [which](const auto& text) { return text.first == which; });
        if (mine == step.texts.end()) {
            step.texts.emplace_back(which, std::move(change));
        } else {
            mine->second = MergedTextChange(mine->second, change, screen.text(which));
        }
    }
    if (next.lines) {
        if (step.lines) {
            step.lines->onScreenCount = next.lines->onScreenCount;
        } else {
            step.lines = std::move(next.lines);
        }
    }
    step.after = next.after;
    return true;
}

// Undoes the step if it is done, redoes it if it is undone.
template <typename Lines> void SwapStep(HistoryStep<Lines>& step, ScenarioScreen<Lines>& screen) {
    for (auto& [which, change] : step.texts) {
        const std::string text = SwapText(change, screen.text(which));
        screen.showText(which, text, change.at + change.onScreenLength);
    }
    if (step.lines) {
        LinesSwap<Lines>& lines = *step.lines;
        const std::size_t shown = LineCount(lines.offScreen);
        lines.offScreen =
            screen.replaceLines(lines.row, lines.onScreenCount, std::move(lines.offScreen));
        lines.onScreenCount = shown;
    }
}

template <typename Lines> void Undo(HistoryStep<Lines>& step, ScenarioScreen<Lines>& screen) {
    SwapStep(step, screen);
    screen.showListState(step.before);
}

template <typename Lines> void Redo(HistoryStep<Lines>& step, ScenarioScreen<Lines>& screen) {
    SwapStep(step, screen);
    screen.showListState(step.after);
}

} // namespace forgeline
