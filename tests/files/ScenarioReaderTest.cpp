#include "ExpectedFailures.h"
#include "PrintScenario.h"
#include "TestFolder.h"
#include "files/ScenarioSource.h"

#include <gtest/gtest.h>

namespace forgeline {
namespace {

std::string data(const std::string& name) {
    return std::string(FORGELINE_TEST_DATA) + "/" + name;
}

const std::vector<std::string> PatrolForces{"Federation Destroyer Hornet 0 0 90 2 <player> ()",
                                            "Klingon BC Korg 1500 -200 270 3 <internal> ()"};

TEST(ScenarioReader, GoldenFiles) {
    struct Row {
        const char* file;
        ScenarioSource expected;
    };
    const ScenarioSource patrol{"Patrol", "A quiet patrol.", "Three ships hold the line.",
                                "Survive.", PatrolForces};
    const Row rows[] = {
        {"patrol.sce", patrol},
        {"patrol-lf.sce", patrol},
        {"no-final-line-end.sce", patrol},
        {"blank-last-line.sce",
         {"Patrol",
          "A quiet patrol.",
          "Three ships hold the line.",
          "Survive.",
          {PatrolForces[0], ""}}},
        {"no-forces.sce", {"Empty", "", "", "", {}}},
        // Labels go wherever they stand; lines 5 and 6 are never looked at; force lines are
        // taken as they are.
        {"hand-edited.sce",
         {"Patrol without label",
          "twice ",
          "Description:",
          "Name: stays",
          {"Klingon  BC Korg 1500 -200 270 3 <internal> ()", "short line"}}},
        {"cp1252.sce", {"Caf\u00e9 \u20ac", "\u201cquoted\u201d", "", "", {}}},
    };
    for (const Row& row : rows) {
        const ScenarioRead read = ReadScenarioSource(data(row.file));
        EXPECT_FALSE(read.failure) << row.file << ": " << read.failure->description;
        EXPECT_EQ(read.headerValuesRead, 4) << row.file;
        EXPECT_EQ(read.source, row.expected) << row.file;
    }
}

TEST(ScenarioReader, ShortFilesFailAtTheFirstMissingLineKeepingWhatWasRead) {
    const char* lines[] = {"Name: T",      "Summary: S",       "Description: D",
                           "Objective: O", "Code: <internal>", "Forces: "};
    testing::TestFolder folder;
    for (int count = 0; count <= 5; ++count) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += std::string(lines[i]) + "\r\n";
        }
        folder.write("short.sce", text);
        const ScenarioRead read = ReadScenarioSource(folder.file("short.sce"));
        ASSERT_TRUE(read.failure) << count;
        EXPECT_EQ(read.failure->code, 62);
        EXPECT_EQ(read.failure->description, "Input past end of file");
        EXPECT_EQ(read.headerValuesRead, std::min(count, 4)) << count;
        EXPECT_EQ(read.source.Title, count >= 1 ? "T" : "");
        EXPECT_EQ(read.source.Objective, count >= 4 ? "O" : "");
        EXPECT_TRUE(read.source.Forces.empty());
    }
}

TEST(ScenarioReader, MissingFileAndFolderFailWithThePlatformsCode) {
    testing::TestFolder folder;
    const ScenarioRead missing = ReadScenarioSource(folder.file("absent.sce"));
    ASSERT_TRUE(missing.failure);
    EXPECT_EQ(*missing.failure, testing::PlatformFailures().missingFile);
    EXPECT_EQ(missing.headerValuesRead, 0);

    folder.makeFolder("dir.sce");
    const ScenarioRead directory = ReadScenarioSource(folder.file("dir.sce"));
    ASSERT_TRUE(directory.failure);
    EXPECT_EQ(*directory.failure, testing::PlatformFailures().folderAsFile);
}

TEST(ScenarioReader, LongLinesAndManyLinesReadWhole) {
    testing::TestFolder folder;
    const std::string longTitle(3'000'000, 'x');
    std::string text = "Name: " + longTitle +
                       "\r\nSummary: \r\nDescription: \r\nObjective: "
                       "\r\nCode: <internal>\r\nForces: \r\n";
    for (int i = 0; i < 100000; ++i) {
        text += "Orion Raider R" + std::to_string(i) + " 1 2 3 4 <internal> ()\r\n";
    }
    folder.write("big.sce", text);
    const ScenarioRead read = ReadScenarioSource(folder.file("big.sce"));
    ASSERT_FALSE(read.failure);
    EXPECT_EQ(read.source.Title, longTitle);
    ASSERT_EQ(read.source.Forces.size(), 100000u);
    EXPECT_EQ(read.source.Forces.back(), "Orion Raider R99999 1 2 3 4 <internal> ()");
}

} // namespace
} // namespace forgeline
