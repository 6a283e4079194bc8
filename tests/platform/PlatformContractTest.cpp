// What every implementation of the platform layer must do alike. The same rows run on Linux
// and, cross-built, under Wine; only the platform's own failure texts differ between them.
#include "ExpectedFailures.h"
#include "TestFolder.h"
#include "platform/Platform.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>

namespace forgeline::platform {
namespace {

namespace fs = std::filesystem;
using forgeline::testing::PlatformFailures;
using forgeline::testing::TestFolder;

enum class Kind { File, Folder, Hidden };

struct Entry {
    const char* name;
    Kind kind;
};

void make(const TestFolder& folder, const Entry& entry) {
    switch (entry.kind) {
    case Kind::File:
        folder.write(entry.name, entry.name);
        break;
    case Kind::Folder:
        folder.makeFolder(entry.name);
        break;
    case Kind::Hidden:
        folder.writeHidden(entry.name, entry.name);
        break;
    }
}

const Entry GameFolder[] = {
    {"beta.sco", Kind::File},  {"Alpha.sco", Kind::File},     {"Gamma.SCO", Kind::File},
    {"notes.txt", Kind::File}, {"README", Kind::File},        {"Long.scox", Kind::File},
    {"x.sco", Kind::Folder},   {".hidden.sco", Kind::Hidden},
};

// A name beyond ASCII, written through the platform so that its UTF-8 reaches the file system.
const std::string WideName = "Caf\u00e9 \u20ac.sco";

class PlatformContract : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const Entry& entry : GameFolder) {
            make(folder, entry);
        }
        auto file = CreateForWriting(JoinPath(folder.path(), WideName));
        ASSERT_TRUE(file);
        ASSERT_TRUE((*file)->close());
    }

    std::string at(const std::string& name) const { return JoinPath(folder.path(), name); }

    TestFolder folder;
};

TEST_F(PlatformContract, ListsOrdinaryVisibleFilesByPatternSortedIgnoringCase) {
    struct Row {
        const char* pattern;
        std::vector<std::string> names;
    };
    const Row rows[] = {
        {"*.sco", {"Alpha.sco", "beta.sco", WideName, "Gamma.SCO"}},
        {"*.SCO", {"Alpha.sco", "beta.sco", WideName, "Gamma.SCO"}},
        {"*.*",
         {"Alpha.sco", "beta.sco", WideName, "Gamma.SCO", "Long.scox", "notes.txt", "README"}},
        {"?eta.sco", {"beta.sco"}},
        {"readme", {"README"}},
        {"*.sce", {}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ListFiles(folder.path(), row.pattern), row.names) << row.pattern;
    }
    EXPECT_TRUE(ListFiles(at("missing"), "*.*").empty());
    EXPECT_TRUE(fs::exists(fs::path(folder.path()) / fs::path(u8"Caf\u00e9 \u20ac.sco")));
}

TEST_F(PlatformContract, TellsFilesFromFoldersAndFindsNamesIgnoringCase) {
    struct Row {
        std::string name;
        // Whether a name in other letters exists is the file system's own affair.
        std::optional<bool> exists;
        std::optional<std::string> found;
    };
    const Row rows[] = {
        {"Alpha.sco", true, "Alpha.sco"}, {"alpha.SCO", std::nullopt, "Alpha.sco"},
        {"README", true, "README"},       {".hidden.sco", true, ".hidden.sco"},
        {WideName, true, WideName},       {"x.sco", false, std::nullopt},
        {"absent", false, std::nullopt},  {"*.sco", false, std::nullopt},
    };
    for (const Row& row : rows) {
        if (row.exists) {
            EXPECT_EQ(FileExists(at(row.name)), *row.exists) << row.name;
        }
        EXPECT_EQ(FindFileIgnoringCase(folder.path(), row.name), row.found) << row.name;
    }
}

TEST_F(PlatformContract, DeletesFilesOnly) {
    const auto& expected = PlatformFailures();
    struct Row {
        std::string path;
        std::optional<Failure> failure;
    };
    const Row rows[] = {
        {at("Alpha.sco"), std::nullopt},
        {at(WideName), std::nullopt},
        {at("Alpha.sco"), expected.missingFile},
        {at("none") + PathSeparator() + "x.sco", expected.missingFolder},
        {at("x.sco"), expected.folderAsFile},
    };
    for (const Row& row : rows) {
        const Status deleted = DeleteFile(row.path);
        if (row.failure) {
            ASSERT_FALSE(deleted) << row.path;
            EXPECT_EQ(deleted.failure(), *row.failure) << row.path;
        } else {
            EXPECT_TRUE(deleted) << row.path << ": " << deleted.failure().description;
            EXPECT_FALSE(FileExists(row.path)) << row.path;
        }
    }
}

TEST_F(PlatformContract, OpeningFailsWithThePlatformsCodeAndText) {
    const auto& expected = PlatformFailures();
    const std::string inMissingFolder = at("none") + PathSeparator() + "x.sce";
    struct Row {
        const char* what;
        std::optional<Failure> failure;
        Failure expected;
    };
    const auto readFailure = [](const std::string& path) -> std::optional<Failure> {
        auto file = OpenForReading(path);
        return file ? std::nullopt : std::optional<Failure>(file.failure());
    };
    const auto writeFailure = [](const std::string& path) -> std::optional<Failure> {
        auto file = CreateForWriting(path);
        return file ? std::nullopt : std::optional<Failure>(file.failure());
    };
    const Row rows[] = {
        {"read a missing file", readFailure(at("absent.sce")), expected.missingFile},
        {"read in a missing folder", readFailure(inMissingFolder), expected.missingFolder},
        {"read a folder", readFailure(at("x.sco")), expected.folderAsFile},
        {"write in a missing folder", writeFailure(inMissingFolder), expected.missingFolder},
        {"write over a folder", writeFailure(at("x.sco")), expected.folderAsFile},
    };
    for (const Row& row : rows) {
        ASSERT_TRUE(row.failure) << row.what;
        EXPECT_EQ(*row.failure, row.expected) << row.what;
    }
}

TEST_F(PlatformContract, BytesComeBackAsWritten) {
    using namespace std::string_literals;
    const std::string bytes = "Name: \x80\xff\r\nForces: \r\n\0end"s;
    auto out = CreateForWriting(at("notes.txt"));
    ASSERT_TRUE(out);
    ASSERT_TRUE((*out)->write(bytes.substr(0, 10)));
    ASSERT_TRUE((*out)->write(bytes.substr(10)));
    ASSERT_TRUE((*out)->close());

    auto in = OpenForReading(at("notes.txt"));
    ASSERT_TRUE(in);
    std::string read;
    char chunk[4];
    while (true) {
        auto got = (*in)->read(chunk, sizeof chunk);
        ASSERT_TRUE(got);
        if (*got == 0) {
            break;
        }
        read.append(chunk, *got);
    }
    EXPECT_EQ(read, bytes);
}

TEST_F(PlatformContract, AReplacementTakesThePlaceOfTheOldFileOnlyWhenClosed) {
    {
        auto file = CreateForWriting(at("README"));
        ASSERT_TRUE(file);
        ASSERT_TRUE((*file)->write("half"));
    }
    EXPECT_EQ(folder.read("README"), "README");
    auto file = CreateForWriting(at("README"));
    ASSERT_TRUE(file);
    ASSERT_TRUE((*file)->write("new"));
    EXPECT_EQ(folder.read("README"), "README");
    ASSERT_TRUE((*file)->close());
    EXPECT_EQ(folder.read("README"), "new");
    // Nothing of the temporary files is left behind, hidden or not.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()),
              std::ssize(GameFolder) + 1);
}

TEST(Platform, JoinsWithOneSeparator) {
    const char s = PathSeparator();
    struct Row {
        std::string folder;
        const char* name;
        std::string path;
    };
    const Row rows[] = {
        {std::string("games") + s + "halvex", "random.sce",
         std::string("games") + s + "halvex" + s + "random.sce"},
        {std::string("games") + s, "random.sce", std::string("games") + s + "random.sce"},
        {std::string(1, s), "random.sce", std::string(1, s) + "random.sce"},
        {"", "random.sce", std::string(1, s) + "random.sce"},
        {"games", "", std::string("games") + s},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(JoinPath(row.folder, row.name), row.path) << row.folder;
    }
}

TEST(Platform, ProgramFolderHoldsThisProgram) {
    const std::string folder = ProgramFolder();
    EXPECT_FALSE(ListFiles(folder, "forgeline_core_tests*").empty()) << folder;
    EXPECT_NE(folder.back(), PathSeparator());
}

TEST(Platform, StartedProgramsGetTheirArgumentsInTheWorkingFolder) {
    struct Row {
        const char* program;
        const char* parameters;
        std::vector<std::string> arguments;
    };
    const Row rows[] = {
        {"scene.exe", " random.sce", {"random.sce"}},
        {"Halvex.exe", " nobanner scenario Patrol.sco", {"nobanner", "scenario", "Patrol.sco"}},
        {"Halvex.exe", " nobanner scenario ", {"nobanner", "scenario"}},
        {"scene.exe", " \"Deep Space.sce\"", {"Deep Space.sce"}},
        {"Halvex.exe", "", {}},
    };
    for (const Row& row : rows) {
        TestFolder game;
        InstallFakeProgram(game, row.program);
        MakeFakeCompilerFail(game);
        ASSERT_TRUE(StartProgram(JoinPath(game.path(), row.program), row.parameters, game.path()))
            << row.parameters;
        const auto record = WaitForRecord(game, row.program);
        ASSERT_TRUE(record) << row.parameters;
        EXPECT_EQ(record->arguments, row.arguments) << row.parameters;
        EXPECT_EQ(record->workingFolder, game.path());
    }
}

TEST(Platform, StartingWhatIsNoProgramFails) {
    const auto& expected = PlatformFailures();
    TestFolder game;
    game.write("plain", "not a program");
    struct Row {
        std::string program;
        Failure failure;
    };
    const Row rows[] = {
        {JoinPath(game.path(), "absent"), expected.missingFile},
        {JoinPath(game.path(), "plain"), expected.notAProgram},
    };
    for (const Row& row : rows) {
        const Status started = StartProgram(row.program, " random.sce", game.path());
        ASSERT_FALSE(started) << row.program;
        EXPECT_EQ(started.failure(), row.failure) << row.program;
    }
}

TEST(Platform, SleepsAtLeastAsLongAsAsked) {
    for (const int milliseconds : {0, 30, 120}) {
        const auto start = std::chrono::steady_clock::now();
        SleepMilliseconds(milliseconds);
        EXPECT_GE(std::chrono::steady_clock::now() - start,
                  std::chrono::milliseconds(milliseconds));
    }
}

TEST(Platform, AnsiTextIsWindows1252) {
    struct Row {
        std::string bytes;
        std::string text;
    };
    const Row rows[] = {
        {"", ""},
        {"plain", "plain"},
        {"\x80", "\u20ac"},
        {"\x9f", "\u0178"},
        {"\x81\x8d\x8f\x90\x9d", "\u0081\u008d\u008f\u0090\u009d"},
        {"Caf\xe9 \x93quoted\x94", "Caf\u00e9 \u201cquoted\u201d"},
        {"\xff", "\u00ff"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(AnsiToUtf8(row.bytes), row.text) << row.bytes;
        EXPECT_EQ(Utf8ToAnsi(row.text), row.bytes) << row.bytes;
    }
    // Nothing is written as a look-alike or a question mark.
    for (const char* text : {"\u0100", "\u0151", "\u221e", "\u4e2d", "\U0001F600", "\xff", "\xc3",
                             "\xe2\x82", "ok\xc3"}) {
        EXPECT_EQ(Utf8ToAnsi(text), std::nullopt) << text;
    }
}

TEST(Platform, EndOfFileIsTheSameFailureEverywhere) {
    EXPECT_EQ(EndOfFileFailure(), (Failure{62, "Input past end of file"}));
}

} // namespace
} // namespace forgeline::platform
