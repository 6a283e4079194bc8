#include "platform/Platform.h"

#include "TestFolder.h"
#include "platform/CommandLine.h"
#include "platform/Cp1252.h"
#include "platform/Wildcard.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>

namespace forgeline::platform {
namespace {

using forgeline::testing::TestFolder;

TEST(CommandLine, SplitsAsAWindowsProgramDoes) {
    struct Row {
        const char* parameters;
        std::vector<std::string> arguments;
    };
    const Row rows[] = {
        {" nobanner scenario Patrol.sco", {"nobanner", "scenario", "Patrol.sco"}},
        {" nobanner scenario ", {"nobanner", "scenario"}},
        {" random.sce", {"random.sce"}},
        {"", {}},
        {"   \t ", {}},
        {"a\t\tb", {"a", "b"}},
        {"\"Deep Space.sce\"", {"Deep Space.sce"}},
        {"a\"b c\"d", {"ab cd"}},
        {"\"\"", {""}},
        {"a\\\\b", {"a\\\\b"}},
        {"a\\\"b", {"a\"b"}},
        {"a\\\\\"b c\"", {"a\\b c"}},
        {"\"a\"\"b\"", {"a\"b"}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(SplitCommandLine(row.parameters), row.arguments) << row.parameters;
    }
}

TEST(Cp1252, EveryByteRoundTrips) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const std::string text = Cp1252ToUtf8(all);
    EXPECT_EQ(Utf8ToCp1252(text), all);
    EXPECT_EQ(Cp1252ToUtf8("\x80\x9f\xe9"), "\u20ac\u0178\u00e9");
    EXPECT_EQ(Cp1252ToUtf8("\x81\x8d\x8f\x90\x9d"), "\u0081\u008d\u008f\u0090\u009d");
}

TEST(Cp1252, CharactersOutsideTheCodePageAreRefused) {
    for (const char* text : {"\u0100", "\u4e2d", "\U0001F600", "\xff", "\xc3", "\xe2\x82"}) {
        EXPECT_FALSE(Utf8ToCp1252(text)) << text;
    }
    EXPECT_EQ(Utf8ToCp1252("plain"), "plain");
}

TEST(Wildcard, MatchesIgnoringCase) {
    struct Row {
        const char* name;
        const char* pattern;
        bool matches;
    };
    const Row rows[] = {
        {"Patrol.sco", "*.sco", true},
        {"Patrol.SCO", "*.sco", true},
        {"Patrol.sce", "*.sco", false},
        {"sco", "*.sco", false},
        {".sco", "*.sco", true},
        {"a.sco.bak", "*.sco", false},
        {"README", "*.*", true},
        {"Deep.Space.sco", "*.sco", true},
        {"x", "?", true},
        {"xy", "?", false},
        {"scene", "scene", true},
        {"SCENE", "scene", true},
        {"aaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*c", false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(MatchesWildcard(row.name, row.pattern), row.matches)
            << row.name << " ~ " << row.pattern;
    }
}

TEST(Platform, ListsOrdinaryVisibleFilesSortedIgnoringCase) {
    TestFolder folder;
    for (const char* name : {"beta.sco", "Alpha.sco", "Gamma.SCO", "notes.txt", ".hidden.sco"}) {
        folder.write(name, "");
    }
    folder.makeFolder("x.sco");
    EXPECT_EQ(ListFiles(folder.path(), "*.sco"),
              (std::vector<std::string>{"Alpha.sco", "beta.sco", "Gamma.SCO"}));
    EXPECT_EQ(ListFiles(folder.path(), "*.*").size(), 4u);
    EXPECT_TRUE(ListFiles(folder.file("missing"), "*.*").empty());
}

TEST(Platform, FilesExistDeleteAndJoin) {
    TestFolder folder;
    folder.write("a.sco", "");
    folder.makeFolder("b.sco");
    EXPECT_TRUE(FileExists(folder.file("a.sco")));
    EXPECT_FALSE(FileExists(folder.file("b.sco")));
    EXPECT_FALSE(FileExists(folder.file("c.sco")));
    EXPECT_TRUE(DeleteFile(folder.file("a.sco")));
    EXPECT_FALSE(FileExists(folder.file("a.sco")));
    const Status missing = DeleteFile(folder.file("a.sco"));
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.failure().code, ENOENT);

    EXPECT_EQ(JoinPath("/games/halvex", "random.sce"), "/games/halvex/random.sce");
    EXPECT_EQ(JoinPath("/", "random.sce"), "/random.sce");
    EXPECT_EQ(FindFileIgnoringCase(folder.path(), "HALVEX.exe"), std::nullopt);
    folder.write("Halvex.EXE", "");
    EXPECT_EQ(FindFileIgnoringCase(folder.path(), "halvex.exe"), "Halvex.EXE");
}

TEST(Platform, ProgramFolderHoldsThisProgram) {
    const std::string folder = ProgramFolder();
    EXPECT_FALSE(ListFiles(folder, "forgeline_core_tests*").empty()) << folder;
}

TEST(Platform, StartingAMissingOrUnrunnableProgramFails) {
    TestFolder folder;
    EXPECT_EQ(StartProgram(folder.file("absent"), "", folder.path()).failure().code, ENOENT);
    folder.write("plain", "not a program");
    EXPECT_EQ(StartProgram(folder.file("plain"), "", folder.path()).failure().code, EACCES);
}

} // namespace
} // namespace forgeline::platform

namespace forgeline::platform {
namespace {

TEST(Platform, AReplacementTakesThePlaceOfTheOldFileOnlyWhenClosed) {
    TestFolder folder;
    folder.write("keep.sce", "old");
    {
        auto file = CreateForWriting(folder.file("keep.sce"));
        ASSERT_TRUE(file);
        ASSERT_TRUE((*file)->write("half"));
        // Dropped without close, as when writing fails half-way.
    }
    EXPECT_EQ(folder.read("keep.sce"), "old");
    auto file = CreateForWriting(folder.file("keep.sce"));
    ASSERT_TRUE(file);
    ASSERT_TRUE((*file)->write("new"));
    EXPECT_EQ(folder.read("keep.sce"), "old");
    ASSERT_TRUE((*file)->close());
    EXPECT_EQ(folder.read("keep.sce"), "new");
    // Nothing of the temporary files is left behind, hidden or not.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(Platform, ReplacingKeepsLinksAndPermissions) {
    TestFolder folder;
    folder.makeFolder("real");
    folder.write("real/target.sce", "old");
    std::filesystem::permissions(folder.file("real/target.sce"),
                                 std::filesystem::perms::owner_read |
                                     std::filesystem::perms::owner_write);
    std::filesystem::create_symlink("real/target.sce", folder.file("link.sce"));
    auto file = CreateForWriting(folder.file("link.sce"));
    ASSERT_TRUE(file);
    ASSERT_TRUE((*file)->write("new"));
    ASSERT_TRUE((*file)->close());
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("link.sce")));
    EXPECT_EQ(folder.read("real/target.sce"), "new");
    EXPECT_EQ(std::filesystem::status(folder.file("real/target.sce")).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST(Platform, WritingFailsAsOpeningWould) {
    TestFolder folder;
    folder.makeFolder("dir.sce");
    EXPECT_EQ(CreateForWriting(folder.file("dir.sce")).failure().code, EISDIR);
    EXPECT_EQ(CreateForWriting(folder.file("none/x.sce")).failure().code, ENOENT);
}

} // namespace
} // namespace forgeline::platform
