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

TEST(CompileChecks, RefusalsComeInTheirOrderAndTheTitleMustBeAPlainWindowsFileName) {
    struct Row {
        std::string title;
        std::vector<std::string> lines;
        std::optional<std::string> refusal;
    };
    std::vector<Row> rows = {
        {"", {}, "Scenario Title required."},
        {"a/b", {}, "No forces created."},
        {"a/b", {Internal}, NoPlayer},
        {"Patrol", {Internal, "Klingon BC"}, NoPlayer},
        {"Patrol", {"Orion Raider <player> 0 0 0 0 <internal> ()"}, NoPlayer},
        {"Patrol", {"Orion Raider Vex 0 0 0 0 <Player> ()"}, NoPlayer},
        // Two adjacent spaces shift the marker out of its field.
        {"Patrol", {"Orion  Raider Vex 0 0 0 0 <player> ()"}, NoPlayer},
        {"Patrol", {"Orion Raider Vex 0 0 0 0 <player>"}, std::nullopt},
        {"Patrol", {Internal, Player, "short line"}, std::nullopt},
        {".hidden", {Player}, std::nullopt},
        {"Caf\xC3\xA9", {Player}, std::nullopt},
        {".", {Player}, unusable("it is \".\"")},
        {"..", {Player}, unusable("it is \"..\"")},
        {"...", {Player}, unusable("it ends in a dot")},
        {"Patrol.", {Player}, unusable("it ends in a dot")},
        {"Patrol ", {Player}, unusable("it ends in a space")},
        {"tab\there", {Player}, unusable("it holds a control character")},
        {"a|b*", {Player}, unusable("it holds \"|\"")},
    };
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
