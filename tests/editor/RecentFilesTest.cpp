#include "editor/RecentFiles.h"

#include <gtest/gtest.h>

namespace forgeline {
namespace {

using Paths = std::vector<std::string>;

TEST(RecentFiles, NewestFirstOnceEachAtMostEightAGoneFileTakenOffAndEveryCharacterShown) {
    const Paths eight = {"1", "2", "3", "4", "5", "6", "7", "8"};
    // "+path" opens or saves it, "-path" finds it gone.
    const std::tuple<Paths, std::string, Paths> rows[] = {
        {eight, "+9", {"9", "1", "2", "3", "4", "5", "6", "7"}},
        {eight, "+5", {"5", "1", "2", "3", "4", "6", "7", "8"}},
        {{"a", "b", "c"}, "-b", {"a", "c"}},
        {{"a", "b", "c"}, "+c", {"c", "a", "b"}},
    };
    for (const auto& [before, step, after] : rows) {
        EXPECT_EQ(step[0] == '+' ? WithRecentFile(before, step.substr(1))
                                 : WithoutRecentFile(before, step.substr(1)),
                  after);
    }
    EXPECT_EQ(KeptRecentFiles({"a", "", "b", "a", "c", "d", "e", "f", "g", "h", "i"}),
              Paths({"a", "b", "c", "d", "e", "f", "g", "h"}));
    EXPECT_EQ(RecentFileCaption(0, "/games/R&D.sce"), "&1 /games/R&&D.sce");
    EXPECT_EQ(RecentFileCaption(7, "C:\\Caf\xC3\xA9.sce"), "&8 C:\\Caf\xC3\xA9.sce");
}

} // namespace
} // namespace forgeline
