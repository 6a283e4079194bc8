#include "play/ScenarioDisplay.h"

#include "TestFolder.h"

#include <gtest/gtest.h>
#include <ostream>

namespace forgeline {

void PrintTo(const ScenarioDisplay& display, std::ostream* out) {
    *out << '{' << display.SCE << " | " << display.Summary << " | " << display.Description << " | "
         << display.Objective << " | " << display.Forces.size() << " forces, count "
         << display.shipCount << " | " << display.message.value_or("no message") << '}';
}

namespace {

using testing::TestFolder;

const char* const Alpha = "Name: Alpha\r\n"
                          "Summary: Summary: Twice over\r\n"
                          "Description: Hold the Description: line\r\n"
                          "Objective: Survive.\r\n"
                          "Code: <internal>\r\n"
                          "Forces: \r\n"
                          "Federation Destroyer Hornet 0 0 90 2 <player> ()\r\n"
                          "\r\n"
                          "Klingon BC Korg 1500 -200 270 3 <internal> ()\r\n"
                          "\r\n";

TEST(ScenarioDisplay, ShowsTheSourceBesideTheEntryOrStandInTexts) {
    TestFolder folder;
    folder.write("Alpha.sce", Alpha);
    folder.write("Gamma.SCE", "Gamma title\nSummary: g\nDescription: \nObjective: Win\n"
                              "X\nY\nOrion Raider R 1 2 3 4 <internal> ()");
    folder.write("Caf\u00e9.sce", "Name: Caf\xe9 \x80\r\nSummary: \r\nDescription: \r\n"
                                  "Objective: \r\nCode: <internal>\r\nForces: \r\n");
    folder.makeFolder("Folder.sce");

    const ScenarioDisplay alpha{"Alpha",
                                "Twice over",
                                "Hold the line",
                                "Survive.",
                                {"Federation Destroyer Hornet 0 0 90 2 <player> ()", "",
                                 "Klingon BC Korg 1500 -200 270 3 <internal> ()", ""},
                                "4",
                                std::nullopt};
    struct Row {
        const char* entry;
        ScenarioDisplay expected;
    };
    const auto unknown = [](const char* entry) {
        return ScenarioDisplay{
            entry,       "Unknown scenario.", "No scenario description available.",
            "",          {"Unknown Forces"},  "1",
            std::nullopt};
    };
    const Row rows[] = {
        {"Alpha.sco", alpha},
        // An entry without a dot is its own name; the source is found whatever its case.
        {"alpha", alpha},
        {"Gamma.SCO",
         {"Gamma title",
          "g",
          "",
          "Win",
          {"Orion Raider R 1 2 3 4 <internal> ()"},
          "1",
          std::nullopt}},
        {"Caf\u00e9.sco", {"Caf\u00e9 \u20ac", "", "", "", {}, "0", std::nullopt}},
        {"Beta.sco", unknown("Beta.sco")},
        {"Folder.sco", unknown("Folder.sco")},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(DisplayScenario(folder.path(), row.entry), row.expected) << row.entry;
    }
}

TEST(ScenarioDisplay, ASourceEndingEarlyShowsWhatWasReadAndSaysSo) {
    TestFolder folder;
    struct Row {
        const char* content;
        ScenarioDisplay expected;
    };
    const std::string message = "Scenario file 'Short.sce' could not be read to its end: 62 - "
                                "Input past end of file";
    const Row rows[] = {
        {"", {"", "", "", "", {}, "0", message}},
        {"Name: Short\r\nSummary: S\r\nDescription: D\r\nObjective: O\r\nCode: <internal>\r\n",
         {"Short", "S", "D", "O", {}, "0", message}},
    };
    for (const Row& row : rows) {
        folder.write("Short.sce", row.content);
        EXPECT_EQ(DisplayScenario(folder.path(), "Short.sco"), row.expected) << row.content;
    }
}

} // namespace
} // namespace forgeline
