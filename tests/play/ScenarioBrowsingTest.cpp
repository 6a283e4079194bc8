#include "TestFolder.h"
#include "platform/Platform.h"
#include "play/ScenarioDisplay.h"
#include "play/ScenarioList.h"

#include <gtest/gtest.h>

namespace forgeline {
namespace {

TEST(ScenarioList, PatternsFoldersNamesAndLaunchParameters) {
    const std::pair<const char*, const char*> patterns[] = {
        {"sco", "*.sco"},   {"", "*.*"},         {"   ", "*.*"},     {" sco ", "*.sco"},
        {"*", "*.*"},       {"*.sco", "*.sco"},  {"*sco", "*.*sco"}, {".sco", "*..sco"},
        {"s co", "*.s co"}, {"  *.sce", "*.sce"}};
    for (const auto& [given, pattern] : patterns) {
        EXPECT_EQ(ListingPattern(given), pattern) << '"' << given << '"';
    }
    const std::string sep(1, platform::PathSeparator());
    EXPECT_EQ(ListingFolder("games" + sep + "x"), "games" + sep + "x" + sep);
    EXPECT_EQ(ListingFolder("games" + sep), "games" + sep);
    EXPECT_EQ(ScenarioName(".sco"), "");
    EXPECT_EQ(LaunchParameters("Deep.Space.sco"), " nobanner scenario Deep.Space.sco");
    EXPECT_EQ(LaunchParameters(""), " nobanner scenario ");
}

// A display in one line: the boxes' texts, the forces, the count and the message, if any.
std::string shown(const ScenarioDisplay& display) {
    std::string forces;
    for (const std::string& line : display.Forces) {
        forces += line + ";";
    }
    return display.SCE + '|' + display.Summary + '|' + display.Description + '|' +
           display.Objective + '|' + forces + '|' + display.shipCount + '|' +
           display.message.value_or("");
}

TEST(ScenarioDisplay, ShowsTheSourceOfTheSameNameOrStandInTexts) {
    testing::TestFolder folder;
    folder.write("Alpha.sce", "Name: Alpha\r\nSummary: S\r\nDescription: D\r\nObjective: O\r\n"
                              "Code: <internal>\r\nForces: \r\nKorg\r\n\r\nKang\r\n\r\n");
    folder.write("Gamma.SCE", "Gamma title\nSummary: g\nDescription: \nObjective: Win\n"
                              "X\nY\nOrion Raider R 1 2 3 4 <internal> ()");
    folder.makeFolder("Folder.sce");
    // Blank force lines are shown and counted.
    const std::string alpha = "Alpha|S|D|O|Korg;;Kang;;|4|";
    const std::string unknown = "|Unknown scenario.|No scenario description available.||"
                                "Unknown Forces;|1|";
    // An entry is named up to its first dot, and its source is found whatever its case; a folder
    // is no source.
    const std::pair<const char*, std::string> rows[] = {
        {"alpha", alpha},
        {"Alpha.Deep.sco", alpha},
        {"Gamma.SCO", "Gamma title|g||Win|Orion Raider R 1 2 3 4 <internal> ();|1|"},
        {"Beta.sco", "Beta.sco" + unknown},
        {"Folder.sco", "Folder.sco" + unknown}};
    for (const auto& [entry, expected] : rows) {
        EXPECT_EQ(shown(DisplayScenario(folder.path(), entry)), expected) << entry;
    }
}

} // namespace
} // namespace forgeline
