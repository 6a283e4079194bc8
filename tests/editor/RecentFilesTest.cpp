#include "editor/RecentFiles.h"

#include <gtest/gtest.h>

namespace forgeline {
namespace {

using Paths = std::vector<std::string>;

TEST(RecentFiles, NewestFirstOnceEachAtMostEightAndAGoneFileTakenOff) {
    struct Row {
        Paths before;
        // "+path" opens or saves it, "-path" finds it gone.
        Paths steps;
        Paths after;
    };
    const Paths eight = {"1", "2", "3", "4", "5", "6", "7", "8"};
    const Row rows[] = {
        {{}, {"+a"}, {"a"}},
        {{"a", "b", "c"}, {"+c"}, {"c", "a", "b"}},
        {{"a", "b"}, {"+a"}, {"a", "b"}},
        {eight, {"+9"}, {"9", "1", "2", "3", "4", "5", "6", "7"}},
        {eight, {"+5"}, {"5", "1", "2", "3", "4", "6", "7", "8"}},
        {{"a", "b", "c"}, {"-b"}, {"a", "c"}},
        {{"a"}, {"-z"}, {"a"}},
        // Letter case and folder spelling are the file system's business.
        {{"/x/A.sce"}, {"+/x/a.sce", "+/x/./a.sce"}, {"/x/./a.sce", "/x/a.sce", "/x/A.sce"}},
    };
    for (const Row& row : rows) {
        Paths recent = row.before;
        for (const std::string& step : row.steps) {
            recent = step[0] == '+' ? WithRecentFile(recent, step.substr(1))
                                    : WithoutRecentFile(recent, step.substr(1));
        }
        EXPECT_EQ(recent, row.after);
    }
}

TEST(RecentFiles, AStoredListIsKeptByTheSameRulesAndCaptionsShowEveryCharacter) {
    EXPECT_EQ(KeptRecentFiles({"a", "", "b", "a", "c", "d", "e", "f", "g", "h", "i"}),
              Paths({"a", "b", "c", "d", "e", "f", "g", "h"}));
    EXPECT_EQ(RecentFileCaption(0, "/games/R&D.sce"), "&1 /games/R&&D.sce");
    EXPECT_EQ(RecentFileCaption(7, "C:\\Caf\xC3\xA9.sce"), "&8 C:\\Caf\xC3\xA9.sce");
    EXPECT_EQ(MissingRecentFileMessage("/games/Gone.sce"),
              "The file '/games/Gone.sce' is missing. It is taken off the recent files.");
}

} // namespace
} // namespace forgeline
