#include "editor/RecoveryCopy.h"

#include "TestFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace forgeline {
namespace {

namespace fs = std::filesystem;

const ScenarioSource Source{"Caf\u00e9 \u03a9",
                            "",
                            "two\nlines\r\n",
                            "12\n",
                            {"Federation Destroyer Hornet 0 0 90 2 <player> ()", ""}};

TEST(RecoveryCopy, HoldsEveryTextWholeAndRefusesAnythingElse) {
    const testing::TestFolder folder;
    ASSERT_TRUE(WriteRecoveryCopy(folder.file("copy"), Source));
    EXPECT_EQ(*ReadRecoveryCopy(folder.file("copy")), Source);
    const std::string bytes = RecoveryBytes(Source);
    const std::string empty = RecoveryBytes({});
    const std::string head = empty.substr(0, empty.size() - 2);
    const std::size_t heading = empty.find('\n') + 1;
    const std::size_t title = bytes.find(Source.Title);
    const std::string notWhole = "The copy is not whole.";
    const std::string tooLarge = ScenarioTooLarge("1048576 force lines").description;
    // Views into the whole copy: a read past the cut would find the bytes that follow it.
    const std::string_view whole = bytes;
    for (const std::size_t cut : {std::size_t{0}, std::size_t{40}, bytes.size() - 1}) {
        EXPECT_EQ(ScenarioFromRecoveryBytes(whole.substr(0, cut)).failure().description, notWhole);
    }
    const std::pair<std::string, std::string> rows[] = {
        {bytes + "x", notWhole},
        // A value not ended by its line end.
        {bytes.substr(0, title + Source.Title.size()) + "x" +
             bytes.substr(title + Source.Title.size() + 1),
         notWhole},
        // Lengths and counts that a size cannot hold, or that would wrap when one is added.
        {head + "18446744073709551616\n", notWhole},
        {empty.substr(0, heading) + "18446744073709551615\n" + empty.substr(heading + 3), notWhole},
        {head + "99999999999\n", tooLarge},
        {head + "1048577\n" + std::string(2'097'154, '\n'), tooLarge},
        {head + "1048576\n", notWhole},
        {head + "00\n", notWhole}};
    for (const auto& [copy, failure] : rows) {
        const auto read = ScenarioFromRecoveryBytes(copy);
        EXPECT_EQ(read ? "" : read.failure().description, failure) << copy.size();
    }
    // A copy over a scenario's size is refused before it is read whole.
    folder.write("huge", head + "0\n" + std::string(ScenarioByteLimit, '\n'));
    EXPECT_EQ(ReadRecoveryCopy(folder.file("huge")).failure(), ScenarioTooLarge("64 MiB"));
}

TEST(RecoveryCopy, OnlyCopiesWhoseEditorHoldsNoLockAreOffered) {
    const std::vector<std::string> names = {
        "unsaved-12-1.forgeline",      "unsaved-40-2.forgeline", "unsaved-40-2.forgeline.lock",
        "unsaved-12-3.forgeline.lock", "unsaved-7-1.forgeline",  "unsaved-7-1.forgeline.lock",
        "unsaved-x-1.forgeline",       "unsaved-77-1.sce",       "unsaved--5-1.forgeline",
        "unsaved-5.forgeline"};
    EXPECT_EQ(
        AbandonedRecoveryCopies(
            names, [](const std::string& lock) { return lock == "unsaved-40-2.forgeline.lock"; }),
        std::vector<std::string>(
            {"unsaved-12-1.forgeline", "unsaved-12-3.forgeline", "unsaved-7-1.forgeline"}));
    EXPECT_EQ(RecoveryFileName(12, 3) + ".lock", RecoveryLockName("unsaved-12-3.forgeline"));
}

TEST(RecoveryCopy, ChoicesComeNewestFirstDamagedOnesAmongThem) {
    const testing::TestFolder folder;
    ASSERT_TRUE(WriteRecoveryCopy(folder.file("a"), {}));
    ASSERT_TRUE(WriteRecoveryCopy(folder.file("b"), Source));
    folder.write("c", "damaged");
    ASSERT_TRUE(WriteRecoveryCopy(folder.file("d"), {"Patrol", "", "", "", {"x"}}));
    const auto now = fs::last_write_time(folder.file("a"));
    std::vector<std::string> paths;
    for (int age = 0; const char* name : {"b", "c", "a", "d"}) {
        fs::last_write_time(folder.file(name), now - std::chrono::hours(++age));
        paths.insert(paths.begin(), folder.file(name));
    }
    paths.push_back(folder.file("absent"));
    std::vector<std::string> texts;
    for (const RecoveryChoice& choice : RecoveryChoices(paths)) {
        texts.push_back(RecoveryChoiceText(choice, "then"));
    }
    EXPECT_EQ(
        texts,
        (std::vector<std::string>{
            Source.Title + ", last written then, 2 ships",
            "Damaged: c, last written then (The copy is not whole.)",
            "(no title), last written then, 0 ships", "Patrol, last written then, 1 ship",
            "Damaged: absent, last written then (" +
                platform::OpenForReading(folder.file("absent")).failure().description + ")"}));
    // A link planted at a copy's name is replaced, never written through.
    try {
        fs::create_symlink(folder.file("c"), folder.file("link"));
    } catch (const fs::filesystem_error&) {
        GTEST_SKIP() << "no links here";
    }
    ASSERT_TRUE(WriteRecoveryCopy(folder.file("link"), Source));
    EXPECT_EQ(folder.read("c"), "damaged");
    EXPECT_EQ(*ReadRecoveryCopy(folder.file("link")), Source);
}

} // namespace
} // namespace forgeline
