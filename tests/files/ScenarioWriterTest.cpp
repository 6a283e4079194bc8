#include "ExpectedFailures.h"
#include "PrintScenario.h"
#include "TestFolder.h"
#include "files/ScenarioSource.h"

#include <gtest/gtest.h>

namespace forgeline {
namespace {

TEST(ScenarioWriter, WritesTheExactLayoutReplacingALongerFileWhole) {
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
    ASSERT_TRUE(WriteScenarioSource(folder.file("out.sce"), {"New", "", "", "", {}}));
    EXPECT_EQ(folder.read("out.sce"), "Name: New\r\nSummary: \r\nDescription: \r\nObjective: "
                                      "\r\nCode: <internal>\r\nForces: \r\n");
}

TEST(ScenarioWriter, RoundTripsThroughTheReader) {
    const ScenarioSource rows[] = {
        {},
        {"T", "", "", "", {""}},
        {"  spaced  ", "Summary:no space", "Objective: in description", "x", {"a", "", "b"}},
        {"Caf\u00e9\u20ac\u0081", "\u201c\u2122\u201d", "\u00ff\u00a0", "", {"\u0160 \u017d"}}};
    testing::TestFolder folder;
    for (const ScenarioSource& source : rows) {
        ASSERT_TRUE(WriteScenarioSource(folder.file("trip.sce"), source));
        const ScenarioRead read = ReadScenarioSource(folder.file("trip.sce"));
        EXPECT_FALSE(read.failure);
        EXPECT_EQ(read.source, source) << source.Title;
    }
}

TEST(ScenarioWriter, RefusesWhatTheFileCannotHoldAndWritesNothing) {
    const std::pair<ScenarioSource, const char*> rows[] = {
        {{"A\nB", "", "", "", {}},
         "The title holds a line break, which a scenario file cannot hold."},
        {{"", "", "one\r\ntwo", "", {}},
         "The description holds a line break, which a scenario file cannot hold."},
        {{"", "", "", "one\rtwo", {}},
         "The objective holds a line break, which a scenario file cannot hold."},
        {{"", "", "", "", {"ok", "Klingon BC Korg\n0 0 0 0 <internal> ()"}},
         "The force line 2 holds a line break, which a scenario file cannot hold."},
        {{"", "\u2028\u0085", "", "", {}},
         "The summary holds a character that a scenario file cannot hold."},
        {{"", "\u4e2d", "", "", {}},
         "The summary holds a character that a scenario file cannot hold."},
        {{"", "", "", "\xff bad utf-8", {}},
         "The objective holds a character that a scenario file cannot hold."},
        {{"", "", "", "", {"ok", "Klingon BC \u263a 0 0 0 0 <internal> ()"}},
         "The force line 2 holds a character that a scenario file cannot hold."}};
    testing::TestFolder folder;
    folder.write("keep.sce", "precious");
    for (const auto& [source, message] : rows) {
        const Status written = WriteScenarioSource(folder.file("keep.sce"), source);
        EXPECT_EQ(written.failure().description, message);
        EXPECT_EQ(folder.read("keep.sce"), "precious");
    }
    EXPECT_EQ(WriteScenarioSource(folder.file("no/such/folder.sce"), {}).failure(),
              testing::PlatformFailures().missingFolder);
}

} // namespace
} // namespace forgeline
