#include "ExpectedFailures.h"
#include "PrintScenario.h"
#include "TestFolder.h"
#include "files/ScenarioSource.h"

#include <gtest/gtest.h>

namespace forgeline {
namespace {

TEST(ScenarioReader, GoldenFiles) {
    const ScenarioSource patrol{"Patrol",
                                "A quiet patrol.",
                                "Three ships hold the line.",
                                "Survive.",
                                {"Federation Destroyer Hornet 0 0 90 2 <player> ()",
                                 "Klingon BC Korg 1500 -200 270 3 <internal> ()"}};
    ScenarioSource blankLast = patrol;
    blankLast.Forces[1] = "";
    // Labels go wherever they stand; lines 5 and 6 are never looked at; force lines are taken
    // as they are.
    const std::pair<const char*, ScenarioSource> rows[] = {
        {"patrol.sce", patrol},
        {"patrol-lf.sce", patrol},
        {"no-final-line-end.sce", patrol},
        {"blank-last-line.sce", blankLast},
        {"hand-edited.sce",
         {"Patrol without label",
          "twice ",
          "Description:",
          "Name: stays",
          {"Klingon  BC Korg 1500 -200 270 3 <internal> ()", "short line"}}},
        {"cp1252.sce", {"Caf\u00e9 \u20ac", "\u201cquoted\u201d", "", "", {}}}};
    for (const auto& [file, expected] : rows) {
        const ScenarioRead read = ReadScenarioSource(std::string(FORGELINE_TEST_DATA "/") + file);
        EXPECT_FALSE(read.failure) << file << ": " << read.failure->description;
        EXPECT_EQ(read.headerValuesRead, 4) << file;
        EXPECT_EQ(read.source, expected) << file;
    }
}

TEST(ScenarioReader, ShortFilesFailAtTheFirstMissingLineKeepingWhatWasRead) {
    const char* lines[] = {"Name: T",      "Summary: S",       "Description: D",
                           "Objective: O", "Code: <internal>", "Forces: "};
    testing::TestFolder folder;
    std::string text;
    for (int count = 0; count <= 5; ++count) {
        folder.write("short.sce", text);
        const ScenarioRead read = ReadScenarioSource(folder.file("short.sce"));
        EXPECT_EQ(read.failure, (Failure{62, "Input past end of file"})) << count;
        EXPECT_TRUE(read.opened);
        EXPECT_EQ(read.headerValuesRead, std::min(count, 4)) << count;
        EXPECT_EQ(read.source.Title, count >= 1 ? "T" : "");
        EXPECT_EQ(read.source.Objective, count >= 4 ? "O" : "");
        EXPECT_TRUE(read.source.Forces.empty());
        text += std::string(lines[count]) + "\r\n";
    }
}

TEST(ScenarioReader, MissingFileAndFolderFailWithThePlatformsCode) {
    testing::TestFolder folder;
    folder.makeFolder("dir.sce");
    const std::pair<const char*, Failure> rows[] = {
        {"absent.sce", testing::PlatformFailures().missingFile},
        {"dir.sce", testing::PlatformFailures().folderAsFile}};
    for (const auto& [name, failure] : rows) {
        const ScenarioRead read = ReadScenarioSource(folder.file(name));
        EXPECT_EQ(read.failure, failure) << name;
        EXPECT_FALSE(read.opened) << name;
        EXPECT_EQ(read.headerValuesRead, 0) << name;
    }
}

} // namespace
} // namespace forgeline
