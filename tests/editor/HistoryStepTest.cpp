#include "editor/HistoryStep.h"

#include <functional>
#include <gtest/gtest.h>

namespace forgeline {
namespace {

using Lines = std::vector<std::string>;

struct FakeScreen final : ScenarioScreen<Lines> {
    std::array<std::string, 4> texts;
    Lines all;
    ListState state;
    std::vector<std::size_t> cursors;

    std::string text(ScenarioText which) const override {
        return texts[static_cast<std::size_t>(which)];
    }
    void showText(ScenarioText which, const std::string& text, std::size_t cursor) override {
        texts[static_cast<std::size_t>(which)] = text;
        cursors.push_back(cursor);
    }
    Lines lines() const override { return all; }
    Lines replaceLines(std::size_t row, std::size_t count, Lines lines) override {
        const auto at = all.begin() + static_cast<std::ptrdiff_t>(row);
        Lines taken(at, at + static_cast<std::ptrdiff_t>(count));
        all.insert(all.erase(at, at + static_cast<std::ptrdiff_t>(count)), lines.begin(),
                   lines.end());
        return taken;
    }
    ListState listState() const override { return state; }
    void showListState(const ListState& shown) override { state = shown; }
    std::string shown() const {
        std::string joined = texts[0] + '|' + texts[1] + '|' + texts[2] + '|' + texts[3] + '|';
        for (const std::string& line : all) {
            joined += line + ';';
        }
        return joined +
               std::to_string(state.selected.empty() ? NoSelection : state.selected.front().first) +
               (state.shipButtonsEnabled ? "on" : "off") + state.editIndex;
    }
};

TEST(HistoryStep, TextChangesHoldOnlyWhatChangedAndSwapBothWays) {
    struct Row {
        const char* before;
        const char* after;
        std::size_t at;
        std::size_t length;
        const char* offScreen;
    };
    const Row rows[] = {
        {"Patrol", "Patrols", 6, 1, ""},
        {"Patrol", "Pat", 3, 0, "rol"},
        {"Patrol", "Petrol", 1, 1, "a"},
        {"", "Deep", 0, 4, ""},
        // The changed part starts and ends between whole characters.
        {"Caf\u00e9", "Caf\u00e0", 3, 2, "\u00e9"},
        {"\u00e9t\u00e9", "\u00e8t\u00e9", 0, 2, "\u00e9"},
    };
    for (const Row& row : rows) {
        TextSwap swap = TextChange(row.before, row.after);
        EXPECT_EQ(std::tuple(swap.at, swap.onScreenLength, swap.offScreen),
                  std::tuple(row.at, row.length, std::string(row.offScreen)))
            << row.after;
        EXPECT_EQ(SwapText(swap, row.after), row.before);
        EXPECT_EQ(SwapText(swap, row.before), row.after);
    }
}

TEST(HistoryStep, TypingInARowBecomesOneChange) {
    const char* typed[] = {"Pat", "Patr", "Patro", "Patrol", "Patro", "Patron"};
    TextSwap merged = TextChange("Pa", typed[0]);
    for (std::size_t i = 1; i < std::size(typed); ++i) {
        merged = MergedTextChange(merged, TextChange(typed[i - 1], typed[i]), typed[i]);
    }
    EXPECT_EQ(std::tuple(merged.at, merged.onScreenLength, merged.offScreen),
              std::tuple(2u, 4u, std::string()));
    EXPECT_TRUE(MergedTextChange(TextChange("", "a"), TextChange("a", ""), "").changesNothing());
}

// Each command as the window runs it; the step holds only the lines it changed.
TEST(HistoryStep, UndoAndRedoPutBackTextsLinesAndSelection) {
    struct Row {
        const char* name;
        std::function<void(FakeScreen&)> command;
        std::size_t row;
        Lines offScreen;
    };
    const Row rows[] = {
        {"add", [](FakeScreen& s) { s.all.push_back("d"); }, 3, {}},
        // A line like the one before it: the kept start and end must not overlap.
        {"add a twin", [](FakeScreen& s) { s.all.push_back("c"); }, 3, {}},
        {"edit",
         [](FakeScreen& s) {
             s.all[1] = "B";
             s.state = {{}, false, "1"};
         },
         1,
         {"b"}},
        {"remove",
         [](FakeScreen& s) {
             s.all.erase(s.all.begin());
             s.state = {{}, false, "1"};
         },
         0,
         {"a"}},
        {"reset", [](FakeScreen& s) { s.all.clear(); }, 0, {"a", "b", "c"}},
        {"open",
         [](FakeScreen& s) {
             s.texts = {"Patrol", "Sum", "", "Hold"};
             s.all = {"x", "c"};
         },
         0,
         {"a", "b"}},
    };
    for (const Row& row : rows) {
        FakeScreen screen;
        screen.texts = {"Title", "", "Desc", ""};
        screen.all = {"a", "b", "c"};
        screen.state = {{{1, 1}}, true, "1"};
        const std::string before = screen.shown();
        const auto snapshot = Snapshot<Lines>(screen);
        row.command(screen);
        const std::string after = screen.shown();
        HistoryStep<Lines> step = StepSince(snapshot, screen);
        ASSERT_TRUE(step.lines) << row.name;
        EXPECT_EQ(std::pair(step.lines->row, step.lines->offScreen),
                  std::pair(row.row, row.offScreen))
            << row.name;
        Undo(step, screen);
        EXPECT_EQ(screen.shown(), before) << row.name;
        Redo(step, screen);
        EXPECT_EQ(screen.shown(), after) << row.name;
    }
}

TEST(HistoryStep, StepsWithOneMergeKeyBecomeOne) {
    FakeScreen screen;
    screen.all = {"a", "b", "c"};
    const auto move = [&screen](const char* line, int key, std::size_t row = 1) {
        const auto snapshot = Snapshot<Lines>(screen);
        screen.all[row] = line;
        return StepSince(snapshot, screen, key);
    };
    HistoryStep<Lines> drag = move("b1", 7);
    EXPECT_TRUE(Absorb(drag, move("b2", 7), screen));
    EXPECT_FALSE(Absorb(drag, move("b3", 8), screen));
    EXPECT_FALSE(Absorb(drag, move("c1", 7, 2), screen));
    screen.all = {"a", "b2", "c"};
    Undo(drag, screen);
    EXPECT_EQ(screen.all, Lines({"a", "b", "c"}));
    HistoryStep<Lines> unkeyed = move("b4", 0);
    EXPECT_FALSE(Absorb(unkeyed, move("b5", 0), screen));

    // A step that grows the lines the one before it put on screen, and moves the selection:
    // the merged step ends where the last one did.
    screen.all = {"a", "c"};
    const std::string first = screen.shown();
    auto snapshot = Snapshot<Lines>(screen);
    screen.all = {"a", "b", "c"};
    HistoryStep<Lines> grown = StepSince(snapshot, screen, 9);
    snapshot = Snapshot<Lines>(screen);
    screen.all = {"a", "x", "y", "c"};
    screen.state = {{{2, 2}}, true, "2"};
    const std::string last = screen.shown();
    EXPECT_TRUE(Absorb(grown, StepSince(snapshot, screen, 9), screen));
    Undo(grown, screen);
    EXPECT_EQ(screen.shown(), first);
    Redo(grown, screen);
    EXPECT_EQ(screen.shown(), last);
}

} // namespace
} // namespace forgeline
