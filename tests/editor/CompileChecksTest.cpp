#include "editor/CompileChecks.h"

#include "TestFolder.h"
#include "check/ScenarioCheck.h"
#include "platform/Wildcard.h"
#include "play/ScenarioList.h"

#include <gtest/gtest.h>

namespace forgeline {
namespace {

const std::string Player = "Federation Destroyer Hornet 0 0 90 2 <player> ()";
const std::string Internal = "Klingon BC Korg 1500 -200 270 3 <internal> ()";
const std::string NoPlayer = "Must have at least 1 <player> designated ship to compile.";

std::string unusable(const std::string& reason) {
    return "Error: The scenario title cannot be used as a file name: " + reason + ".";
}

std::string tooShort(int line) {
    return "Error: The force line " + std::to_string(line) +
           " has fewer than eight fields, so it has no controller.";
}

// Titles are checked as names in a folder of this many characters.
const std::string Folder = "/g";

TEST(CompileChecks, RefusalsComeInTheirOrderAndTheTitleMustMakeWindowsFileNamesAndOneArgument) {
    struct Row {
        std::string title;
        std::vector<std::string> lines;
        std::optional<std::string> refusal;
    };
    const std::string dot =
        unusable("it begins with a dot, which hides the file from the list of scenarios");
    std::vector<Row> rows = {
        {"", {}, "Scenario Title required."},
        {"a/b", {}, "No forces created."},
        {"a/b", {Internal}, NoPlayer},
        {"a/b", {Internal, "Klingon BC"}, tooShort(2)},
        {"Patrol", {""}, tooShort(1)},
        {"Patrol", {"Orion Raider <player> 0 0 0 0 <internal> ()"}, NoPlayer},
        {"Patrol", {"Orion Raider Vex 0 0 0 0 <Player> ()"}, NoPlayer},
        // Two adjacent spaces shift the marker out of its field.
        {"Patrol", {"Orion  Raider Vex 0 0 0 0 <player> ()"}, NoPlayer},
        {"Patrol", {"Orion Raider Vex 0 0 0 0 <player>"}, std::nullopt},
        {"Patrol", {Internal, Player, "short line"}, std::nullopt},
        {".hidden", {Player}, dot},
        {"..", {Player}, dot},
        {"a b", {Player}, unusable("it holds a blank")},
        {"tab\there", {Player}, unusable("it holds a blank")},
        {"bell\a", {Player}, unusable("it holds a control character")},
        // The longest name the file systems hold, with ".sce", and one byte more.
        {std::string(251, 'a'), {Player}, std::nullopt},
        {std::string(252, 'a'), {Player}, unusable("the file name would be longer than 255 bytes")},
    };
    for (const std::string name :
         {"con", "Nul.txt", "lPt9.", "coM\xC2\xB9.x", "conIN$", "PRN", "AUX", "COM0", "COM9",
          "LPT0", "LPT1", "COM\xC2\xB2", "LPT\xC2\xB3", "CONOUT$"}) {
        const std::string stem = name.substr(0, name.find('.'));
        rows.push_back({name, {Player}, unusable("\"" + stem + "\" names a device on Windows")});
    }
    for (const char held : std::string("/\\<>:\"|?*")) {
        rows.push_back({std::string("a") + held + "b",
                        {Player},
                        unusable("it holds \"" + std::string(1, held) + "\"")});
    }
    for (const Row& row : rows) {
        EXPECT_EQ(CompileRefusal(row.title, row.lines, Folder), row.refusal) << row.title;
        if (row.lines == std::vector{Player}) {
            // The check names the title's problem as Compile words it, and no other.
            const auto problems = CheckScenario({row.title, "", "", "", {Player}}, Folder);
            const auto named = problems.empty()
                                   ? std::nullopt
                                   : std::optional("Error: " + problems.front().message);
            EXPECT_EQ(named, row.refusal) << row.title;
        }
    }
}

TEST(CompileChecks, APathLongerThanWindowsAllowsIsRefusedAndEveryTitleAcceptedIsChecked) {
    // Counted as Windows counts: "\xC3\xA9" is one character, a character beyond the Basic
    // Multilingual Plane two.
    const std::string folder = "/" + std::string(240, 'f') + "\xC3\xA9";
    const std::string tooLong =
        unusable("its path in the program's folder would be longer than the 259 characters "
                 "Windows allows");
    EXPECT_EQ(CompileRefusal("abcdefghijkl", {Player}, folder), std::nullopt);
    EXPECT_EQ(CompileRefusal("abcdefghijklm", {Player}, folder), tooLong);
    EXPECT_EQ(CheckScenario({"abcdefghijklm", "", "", "", {Player}}, folder),
              std::vector<Problem>({{1, tooLong.substr(std::string("Error: ").size())}}));
    EXPECT_EQ(CompileRefusal("abcdefghijk\xF0\x9F\x9A\x80", {Player}, folder), tooLong);

    testing::TestFolder listed;
    std::vector<std::string> compiled;
    for (const std::string title : {"Patrol", "Dbl.", "a..", "Caf\xC3\xA9", "x.sco", "~tilde",
                                    "CONSOLE", "COM10.x", "COM\xC2\xB4"}) {
        ASSERT_EQ(CompileRefusal(title, {Player}, listed.path()), std::nullopt) << title;
        EXPECT_EQ(CheckScenario({title, "", "", "", {Player}}, listed.path()),
                  std::vector<Problem>());
        listed.write(title + ".sco", "");
        compiled.push_back(title + ".sco");
    }
    platform::SortNamesIgnoringCase(compiled);
    EXPECT_EQ(ListScenarioFiles(listed.path(), "*.sco"), compiled);
}

} // namespace
} // namespace forgeline
