#include "check/ScenarioCheck.h"

#include "check/CompileGate.h"

#include <functional>
#include <gtest/gtest.h>

namespace forgeline {

inline void PrintTo(const Problem& problem, std::ostream* out) {
    *out << problem.line << ": " << problem.message;
}

namespace {

const ScenarioSource Clean{"Patrol",
                           "A quiet patrol.",
                           "Caf\xC3\xA9 at the border.",
                           "Destroy the flagship.",
                           {"Federation Destroyer Hornet 0 -1.5 90 2E3 <player> ()",
                            "Klingon BC Korg 1500 -200 270 3 <internal> ()"}};

TEST(ScenarioCheck, FindsEachFaultAtItsLineAndPutsThoseCompileWouldPassBeforeIt) {
    struct Row {
        std::function<void(ScenarioSource&)> spoil;
        std::vector<Problem> expected;
    };
    const auto korg = [](const std::string& line) {
        return [line](ScenarioSource& s) { s.Forces[1] = line; };
    };
    const std::vector<Row> rows = {
        {[](ScenarioSource&) {}, {}},
        {korg("Klingon BC Korg 1500 -200 270 <internal> ()"),
         {{8, "The line has 8 fields; a force line has nine."}}},
        {korg("Korg"),
         {{8, "The line has 1 field; a force line has nine."},
          {8, "The line does not end in \" ()\"."}}},
        {korg("Klingon BC Korg 1500 -200 270 3 <internal> )"),
         {{8, "The line does not end in \" ()\"."}}},
        {korg("Vulcan BC Korg 1500 -200 270 3 <internal> ()"),
         {{8, "\"Vulcan\" is not a nation of the catalogue."}}},
        {korg("Federation BC Korg 1500 -200 270 3 <internal> ()"),
         {{8, "\"BC\" is not a Federation class."}}},
        {korg("Klingon BC Korg 1,5 -200 270 3 <internal> ()"),
         {{8, "The X \"1,5\" is not a number."}}},
        {korg("Klingon BC Korg 1500 -200 270 - <internal> ()"),
         {{8, "The warp \"-\" is not a number."}}},
        {korg("Klingon BC Korg 1500 -200 270 3 <pilot> ()"),
         {{8, "\"<pilot>\" is neither \"<player>\" nor \"<internal>\"."}}},
        {korg("Klingon BC Hornet 1500 -200 270 3 <internal> ()"),
         {{8, "The name \"Hornet\" is already used on line 7."}}},
        {[](ScenarioSource& s) {
             s.Forces[0] = "Federation Destroyer Hornet 0 0 90 2 <internal> ()";
         },
         {{6, "No line carries the \"<player>\" marker; Compile needs one."}}},
        {[](ScenarioSource& s) { s.Forces[0] = "Federation Destroyer Hornet 0 0 90 ()"; },
         {{6, "No line carries the \"<player>\" marker; Compile needs one."},
          {7, "The line has 7 fields; a force line has nine."}}},
        {[](ScenarioSource& s) { s.Title = ""; }, {{1, "The title is empty; Compile needs one."}}},
        {[](ScenarioSource& s) { s.Summary = "two\rlines"; },
         {{2, "The summary holds a line break, which a scenario file cannot hold."}}},
        {[](ScenarioSource& s) { s.Objective = "\xE2\x86\x92 north"; },
         {{4, "The objective holds a character that a scenario file cannot hold."}}},
        {korg("Klingon BC K\xE2\x86\x92rg 1500 -200 270 3 <internal> ()"),
         {{8, "The force line holds a character that a scenario file cannot hold."}}},
    };
    // Compile itself refuses the scenarios from the first without a player ship on, so nothing
    // comes before its message.
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& row = rows[i];
        ScenarioSource source = Clean;
        row.spoil(source);
        const ScenarioSource before = source;
        EXPECT_EQ(CheckScenario(source, "/g"), row.expected);
        EXPECT_EQ(ProblemsBeforeCompile(source, "/g"),
                  i < 10 ? row.expected : std::vector<Problem>{});
        EXPECT_EQ(source, before);
    }
}

} // namespace
} // namespace forgeline
