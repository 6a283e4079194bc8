#include "ExpectedFailures.h"
#include "PrintScenario.h"
#include "TestFolder.h"
#include "files/ScenarioSource.h"

#include <gtest/gtest.h>

namespace forgeline {
namespace {

TEST(ScenarioWriter, WritesTheExactLayout) {
    testing::TestFolder folder;
    const ScenarioSource source{"Patrol",
                                "A quiet patrol.",
                                "Three ships hold the line.",
                                "Survive.",
                                {"Federation Destroyer Hornet 0 0 90 2 <player> ()",
                                 "Klingon BC Korg 1500 -200 270 3 <internal> ()"}};
    ASSERT_TRUE(WriteScenarioSource(folder.file("out.sce"), source));
    // Byte for byte the file the reader's golden test starts from.
    EXPECT_EQ(folder.read("out.sce"), testing::ReadWholeFile(FORGELINE_TEST_DATA "/patrol.sce"));
}

TEST(ScenarioWriter, EmptyScenarioIsSixLines) {
    testing::TestFolder folder;
    ASSERT_TRUE(WriteScenarioSource(folder.file("empty.sce"), {}));
    EXPECT_EQ(folder.read("empty.sce"),
              "Name: \r\nSummary: \r\nDescription: \r\nObjective: \r\nCode: <internal>\r\n"
              "Forces: \r\n");
}

TEST(ScenarioWriter, RoundTripsThroughTheReader) {
    const ScenarioSource rows[] = {
        {},
        {"T", "", "", "", {""}},
        {"  spaced  ", "Summary:no space", "Objective: in description", "x", {"a", "", "b"}},
        {"Caf\u00e9\u20ac\u0081", "\u201c\u2122\u201d", "\u00ff\u00a0", "", {"\u0160 \u017d"}},
    };
    testing::TestFolder folder;
    for (const ScenarioSource& source : rows) {
        ASSERT_TRUE(WriteScenarioSource(folder.file("trip.sce"), source));
        const ScenarioRead read = ReadScenarioSource(folder.file("trip.sce"));
        EXPECT_FALSE(read.failure);
        EXPECT_EQ(read.source, source) << source.Title;
    }
}

TEST(ScenarioWriter, ReplacesALongerFileWhole) {
    testing::TestFolder folder;
    folder.write("old.sce", std::string(10000, 'z'));
    ASSERT_TRUE(WriteScenarioSource(folder.file("old.sce"), {"New", "", "", "", {}}));
    EXPECT_EQ(folder.read("old.sce"), "Name: New\r\nSummary: \r\nDescription: \r\nObjective: "
                                      "\r\nCode: <internal>\r\nForces: \r\n");
}

TEST(ScenarioWriter, RefusesWhatTheFileCannotHoldAndWritesNothing) {
    struct Row {
        ScenarioSource source;
        const char* message;
    };
    const Row rows[] = {
        {{"A\nB", "", "", "", {}},
         "The title holds a line break, which a scenario file cannot hold."},
        {{"", "", "one\r\ntwo", "", {}},
         "The description holds a line break, which a scenario file cannot hold."},
        {{"", "\u4e2d", "", "", {}},
         "The summary holds a character that a scenario file cannot hold."},
        {{"", "", "", "\xff bad utf-8", {}},
         "The objective holds a character that a scenario file cannot hold."},
        {{"", "", "", "", {"ok", "Klingon BC \u263a 0 0 0 0 <internal> ()"}},
         "The force line 2 holds a character that a scenario file cannot hold."},
    };
    for (const Row& row : rows) {
        testing::TestFolder folder;
        folder.write("keep.sce", "precious");
        const Status written = WriteScenarioSource(folder.file("keep.sce"), row.source);
        ASSERT_FALSE(written);
        EXPECT_EQ(written.failure().description, row.message);
        EXPECT_EQ(folder.read("keep.sce"), "precious");
    }
}

TEST(ScenarioWriter, MissingFolderFailsWithThePlatformsCode) {
    testing::TestFolder folder;
    const Status written = WriteScenarioSource(folder.file("no/such/folder.sce"), {});
    ASSERT_FALSE(written);
    EXPECT_EQ(written.failure(), testing::PlatformFailures().missingFolder);
}

} // namespace
} // namespace forgeline
