#include "editor/RecoveryCopy.h"

#include "TestFolder.h"

#include <gtest/gtest.h>

namespace forgeline {
namespace {

TEST(RecoveryCopy, HoldsEveryTextWholeAndRefusesAnythingElse) {
    const ScenarioSource source{"Caf\u00e9 \u03a9",
                                "",
                                "two\nlines\r\n",
                                "12\n",
                                {"Federation Destroyer Hornet 0 0 90 2 <player> ()", ""}};
    const testing::TestFolder folder;
    ASSERT_TRUE(WriteRecoveryCopy(folder.file("copy"), source));
    EXPECT_EQ(*ReadRecoveryCopy(folder.file("copy")), source);
    const std::string bytes = RecoveryBytes(source);
    // Views into the whole copy: a read past the cut would find the bytes that follow it.
    const std::string_view whole = bytes;
    for (const std::size_t cut : {std::size_t{0}, std::size_t{40}, bytes.size() - 1}) {
        EXPECT_FALSE(ScenarioFromRecoveryBytes(whole.substr(0, cut))) << cut;
    }
    EXPECT_FALSE(ScenarioFromRecoveryBytes(bytes + "x"));
    // A value not ended by its line end, and more lines than the bytes could hold.
    std::string unended = bytes;
    unended[bytes.find(source.Title) + source.Title.size()] = 'x';
    EXPECT_FALSE(ScenarioFromRecoveryBytes(unended));
    std::string countless = RecoveryBytes({});
    countless.replace(countless.size() - 2, 1, "99999999999");
    EXPECT_FALSE(ScenarioFromRecoveryBytes(countless));
    folder.write("broken", bytes.substr(0, 50));
    EXPECT_FALSE(ReadRecoveryCopy(folder.file("broken")));
}

TEST(RecoveryCopy, OnlyCopiesOfEndedProcessesAreOffered) {
    const std::vector<std::string> names = {RecoveryFileName(12, 1), RecoveryFileName(40, 2),
                                            RecoveryFileName(12, 3), "unsaved-x-1.forgeline",
                                            "unsaved-77-1.sce",      "unsaved--5-1.forgeline"};
    EXPECT_EQ(AbandonedRecoveryCopies(names, [](long id) { return id == 40; }),
              std::vector<std::string>({"unsaved-12-1.forgeline", "unsaved-12-3.forgeline"}));
}

} // namespace
} // namespace forgeline
