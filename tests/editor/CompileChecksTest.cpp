#include "editor/CompileChecks.h"

#include "editor/CommandMessages.h"
#include "editor/TitleCheck.h"

#include <gtest/gtest.h>

namespace forgeline {
namespace {

const std::string Player = "Federation Destroyer Hornet 0 0 90 2 <player> ()";
const std::string Internal = "Klingon BC Korg 1500 -200 270 3 <internal> ()";

TEST(CompileChecks, RefusalsComeInTheirOrder) {
    struct Row {
        const char* title;
        std::vector<std::string> lines;
        std::optional<std::string> refusal;
    };
    const Row rows[] = {
        {"", {}, TitleRequiredMessage},
        {"", {Player}, TitleRequiredMessage},
        {"Patrol", {}, NoForcesMessage},
        {"Patrol", {Internal}, NoPlayerShipMessage},
        {"a/b", {Internal}, NoPlayerShipMessage},
        {"Patrol", {Internal, "Klingon BC"}, NoPlayerShipMessage},
        {"Patrol", {"Orion Raider <player> 0 0 0 0 <internal> ()"}, NoPlayerShipMessage},
        {"Patrol", {"Orion Raider Vex 0 0 0 0 <Player> ()"}, NoPlayerShipMessage},
        // Two adjacent spaces shift the marker out of its field.
        {"Patrol", {"Orion  Raider Vex 0 0 0 0 <player> ()"}, NoPlayerShipMessage},
        {"Patrol", {"Orion Raider Vex 0 0 0 0 <player>"}, std::nullopt},
        {"Patrol", {Internal, Player, "short line"}, std::nullopt},
        {"a/b",
         {Player},
         "Error: The scenario title cannot be used as a file name: it holds \"/\"."},
        {"Patrol.",
         {Player},
         "Error: The scenario title cannot be used as a file name: it ends "
         "in a dot."},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CompileRefusal(row.title, row.lines), row.refusal) << row.title;
    }
}

TEST(CompileChecks, TitleMustBeAPlainWindowsFileName) {
    struct Row {
        const char* title;
        const char* reason;
    };
    const Row rows[] = {
        {"Patrol", nullptr},
        {".hidden", nullptr},
        {"Caf\xC3\xA9", nullptr},
        {"a/b", "it holds \"/\""},
        {"a\\b", "it holds \"\\\""},
        {".", "it is \".\""},
        {"..", "it is \"..\""},
        {"...", "it ends in a dot"},
        {"Patrol.", "it ends in a dot"},
        {"Patrol ", "it ends in a space"},
        {"a<b", "it holds \"<\""},
        {"C:", "it holds \":\""},
        {"say \"hi\"", "it holds \"\"\""},
        {"why?", "it holds \"?\""},
        {"a|b*", "it holds \"|\""},
        {"*", "it holds \"*\""},
        {">", "it holds \">\""},
        {"a:b/c", "it holds \":\""},
        {"tab\there", "it holds a control character"},
        {"line\r\nbreak", "it holds a control character"},
    };
    for (const Row& row : rows) {
        const Status status = CheckTitleAsFileName(row.title);
        if (!row.reason) {
            EXPECT_TRUE(status.ok()) << row.title;
            continue;
        }
        ASSERT_FALSE(status.ok()) << row.title;
        EXPECT_EQ(status.failure().description,
                  std::string("The scenario title cannot be used as a file name: ") + row.reason +
                      ".")
            << row.title;
    }
}

TEST(CommandMessages, FailuresAndOutcomesInTheirWords) {
    EXPECT_EQ(OverwriteQuestion("Patrol"), "Scenario file 'Patrol.sco' already exists. Overwrite?");
    EXPECT_EQ(FileFailureMessage({2, "No such file or directory"}),
              "2 - No such file or directory");
    EXPECT_EQ(FileFailureMessage({62, "Input past end of file"}), "62 - Input past end of file");
    EXPECT_EQ(FileFailureMessage({-1, "The title holds a line break."}),
              "-1 - The title holds a line break.");
    EXPECT_EQ(CompileFailureMessage({13, "Permission denied"}), "Error: Permission denied");

    struct Row {
        CompileOutcome outcome;
        std::vector<std::string> report;
    };
    const Row rows[] = {
        {{true, std::nullopt}, {CompiledMessage}},
        {{false, std::nullopt}, {NotCompiledMessage}},
        {{false, Failure{2, "Cannot find 'scene' in /opt."}},
         {"Cannot find 'scene' in /opt.", NotCompiledMessage}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CompileReport(row.outcome), row.report);
    }
    EXPECT_STREQ(CompiledMessage, "Scenario compiled successfully.");
    EXPECT_STREQ(NotCompiledMessage, "Scenario did not compile.");
}

} // namespace
} // namespace forgeline
