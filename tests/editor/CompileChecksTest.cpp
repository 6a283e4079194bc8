#include "editor/CompileChecks.h"

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

TEST(CompileChecks, RefusalsComeInTheirOrderAndTheTitleMustMakeWindowsFileNamesAndOneArgument) {
    struct Row {
        std::string title;
        std::vector<std::string> lines;
        std::optional<std::string> refusal;
    };
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
        {".hidden", {Player}, std::nullopt},
        {"Caf\xC3\xA9", {Player}, std::nullopt},
        {"..", {Player}, std::nullopt},
        {"Dbl.", {Player}, std::nullopt},
        {"CONSOLE", {Player}, std::nullopt},
        {"COM10.x", {Player}, std::nullopt},
        {"Patrol ", {Player}, unusable("it holds a blank")},
        {"a b", {Player}, unusable("it holds a blank")},
        {"tab\there", {Player}, unusable("it holds a blank")},
        {"bell\a", {Player}, unusable("it holds a control character")},
        {"a|b*", {Player}, unusable("it holds \"|\"")},
        {"con", {Player}, unusable("\"con\" names a device on Windows")},
        {"Nul.txt", {Player}, unusable("\"Nul\" names a device on Windows")},
        {"lPt9.", {Player}, unusable("\"lPt9\" names a device on Windows")},
    };
    for (const char* device : {"PRN", "AUX", "COM1", "COM9", "LPT1"}) {
        rows.push_back({device,
                        {Player},
                        unusable(std::string("\"") + device + "\" names a device on Windows")});
    }
    for (const char held : std::string("/\\<>:\"|?*")) {
        rows.push_back({std::string("a") + held + "b",
                        {Player},
                        unusable("it holds \"" + std::string(1, held) + "\"")});
    }
    for (const Row& row : rows) {
        EXPECT_EQ(CompileRefusal(row.title, row.lines), row.refusal) << row.title;
    }
}

} // namespace
} // namespace forgeline
