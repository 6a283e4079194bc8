// What every implementation of the platform layer must do alike. The same rows run on Linux
// and, cross-built, under Wine; only the platform's own failure texts differ between them.
#include "ExpectedFailures.h"
#include "TestFolder.h"
#include "platform/Platform.h"
#include "platform/TemporaryName.h"

#include <cctype>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace forgeline::platform {
namespace {

namespace fs = std::filesystem;
using forgeline::testing::PlatformFailures;
using forgeline::testing::TestFolder;

const char* const GameFiles[] = {"beta.sco",  "Alpha.sco", "Gamma.SCO",
                                 "notes.txt", "README",    "Long.scox"};
// A name beyond ASCII, written through the platform so that its UTF-8 reaches the file system.
const std::string WideName = "Caf\u00e9 \u20ac.sco";
// No process has this number: Linux counts to 2^22 at most, Windows not much further.
constexpr long DeadProcess = 99'999'999;

class PlatformContract : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : GameFiles) {
            folder.write(name, name);
        }
        folder.makeFolder("x.sco");
        folder.writeHidden(".hidden.sco", "hidden");
        auto file = CreateForWriting(at(WideName));
        ASSERT_TRUE(file);
        ASSERT_TRUE((*file)->close());
    }

    std::string at(const std::string& name) const { return JoinPath(folder.path(), name); }

    TestFolder folder;
};

TEST_F(PlatformContract, ListsAndFindsOrdinaryFilesIgnoringCase) {
    EXPECT_EQ(ListFiles(folder.path(), "*.sco"),
              (std::vector<std::string>{"Alpha.sco", "beta.sco", WideName, "Gamma.SCO"}));
    EXPECT_EQ(ListFiles(folder.path(), "*.*"),
              (std::vector<std::string>{"Alpha.sco", "beta.sco", WideName, "Gamma.SCO", "Long.scox",
                                        "notes.txt", "README"}));
    EXPECT_TRUE(ListFiles(at("missing"), "*.*").empty());
    EXPECT_TRUE(fs::exists(fs::path(folder.path()) / fs::path(u8"Caf\u00e9 \u20ac.sco")));

    // Whether a name in other letters exists is the file system's own affair.
    const std::tuple<std::string, std::optional<bool>, std::optional<std::string>> rows[] = {
        {"Alpha.sco", true, "Alpha.sco"},     {"alpha.SCO", std::nullopt, "Alpha.sco"},
        {".hidden.sco", true, ".hidden.sco"}, {WideName, true, WideName},
        {"x.sco", false, std::nullopt},       {"absent", false, std::nullopt},
        {"*.sco", false, std::nullopt}};
    for (const auto& [name, exists, found] : rows) {
        if (exists) {
            EXPECT_EQ(FileExists(at(name)), *exists) << name;
            EXPECT_EQ(FolderExists(at(name)), name == "x.sco") << name;
            EXPECT_FALSE(IsSymbolicLink(at(name))) << name;
        }
        EXPECT_EQ(FindFileIgnoringCase(folder.path(), name), found) << name;
    }
}

TEST_F(PlatformContract, DeletesFilesOnlyAndFailsWithThePlatformsCodeAndText) {
    for (const std::string& name : {std::string("Alpha.sco"), WideName}) {
        EXPECT_TRUE(DeleteFile(at(name))) << name;
        EXPECT_FALSE(FileExists(at(name))) << name;
    }
    {
        const testing::FailingDeletes refused({13, "Permission denied"});
        EXPECT_EQ(DeleteFile(at("beta.sco")).failure(), (Failure{13, "Permission denied"}));
    }
    EXPECT_TRUE(FileExists(at("beta.sco")));
    folder.write("plain", "not a program");
    const auto failureOf = [](const auto& done) { return done ? Failure{} : done.failure(); };
    const std::string inMissingFolder = at("none") + PathSeparator() + "x.sce";
    const auto& expected = PlatformFailures();
    const std::pair<Failure, Failure> rows[] = {
        {failureOf(DeleteFile(at("Alpha.sco"))), expected.missingFile},
        {failureOf(DeleteFile(inMissingFolder)), expected.missingFolder},
        {failureOf(DeleteFile(at("x.sco"))), expected.folderAsFile},
        {failureOf(OpenForReading(at("absent.sce"))), expected.missingFile},
        {failureOf(OpenForReading(inMissingFolder)), expected.missingFolder},
        {failureOf(OpenForReading(at("x.sco"))), expected.folderAsFile},
        {failureOf(CreateForWriting(inMissingFolder)), expected.missingFolder},
        {failureOf(CreateForWriting(at("x.sco"))), expected.folderAsFile},
        {failureOf(StartProgram(at("absent"), " random.sce", folder.path())), expected.missingFile},
        {failureOf(StartProgram(at("plain"), " random.sce", folder.path())), expected.notAProgram},
        {failureOf(CreateFolders(at("plain"))), expected.fileAsFolder}};
    for (std::size_t row = 0; row < std::size(rows); ++row) {
        EXPECT_EQ(rows[row].first, rows[row].second) << "row " << row;
        // Messages put their own punctuation after the platform's text.
        const std::string& text = rows[row].first.description;
        EXPECT_TRUE(!text.empty() && text.back() != '.' && !std::isspace(text.back()))
            << "row " << row << ": " << text;
    }
}

TEST_F(PlatformContract, AReplacementTakesThePlaceOfTheOldFileWhenClosedWithItsBytes) {
    using namespace std::string_literals;
    ASSERT_TRUE((*CreateForWriting(at("README")))->write("dropped"));
    const std::string bytes = "Name: \x80\xff\r\nForces: \r\n\0end"s;
    auto out = CreateForWriting(at("README"));
    ASSERT_TRUE(out);
    ASSERT_TRUE((*out)->write(bytes.substr(0, 10)));
    ASSERT_TRUE((*out)->write(bytes.substr(10)));
    EXPECT_EQ(folder.read("README"), "README");
    ASSERT_TRUE((*out)->close());

    auto in = OpenForReading(at("README"));
    ASSERT_TRUE(in);
    std::string read;
    char chunk[4];
    for (auto got = (*in)->read(chunk, 4); got && *got > 0; got = (*in)->read(chunk, 4)) {
        read.append(chunk, *got);
    }
    EXPECT_EQ(read, bytes);
    // Nothing of the temporary files is left behind, hidden or not.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()),
              std::ssize(GameFiles) + 3);
}

TEST_F(PlatformContract, SavesAnyNameTheFolderHoldsAndClearsOnlyDeadProcessesLeftovers) {
    const std::string longest = std::string(246, 'n') + ".sce";
    const std::string leftovers[] = {TemporaryName("README", DeadProcess, 0),
                                     TemporaryName("README", ::getpid(), 7),
                                     TemporaryName("notes.txt", DeadProcess, 0)};
    for (const std::string& leftover : leftovers) {
        folder.write(leftover, "part");
    }
    for (const std::string& name : {longest, std::string("README")}) {
        auto out = CreateForWriting(at(name));
        ASSERT_TRUE(out) << out.failure().description;
        ASSERT_TRUE((*out)->write("whole"));
        ASSERT_TRUE((*out)->close());
        EXPECT_EQ(folder.read(name), "whole");
    }
    EXPECT_FALSE(folder.exists(leftovers[0]));
    EXPECT_TRUE(folder.exists(leftovers[1]));
    EXPECT_TRUE(folder.exists(leftovers[2]));
    EXPECT_TRUE(ProcessIsRunning(::getpid()));
    EXPECT_FALSE(ProcessIsRunning(DeadProcess));
    EXPECT_FALSE(ProcessIsRunning(0));
}

TEST_F(PlatformContract, ALockIsHeldByItsHolderAloneAndGoesWithItsFile) {
    auto lock = LockFile(at("copy.lock"));
    ASSERT_TRUE(lock) << lock.failure().description;
    // Whether a second lock fails, and whether the file counts as locked, before and after.
    const std::tuple<std::string, bool, bool> rows[] = {
        {"copy.lock", false, true}, {"absent.lock", true, false}, {"x.sco", false, false}};
    for (const auto& [name, second, locked] : rows) {
        EXPECT_EQ(bool(LockFile(at(name))), second) << name;
        EXPECT_EQ(FileIsLocked(at(name)), locked) << name;
    }
    EXPECT_FALSE(folder.exists("absent.lock"));
    lock->reset();
    EXPECT_FALSE(folder.exists("copy.lock"));
    EXPECT_FALSE(FileIsLocked(at("copy.lock")));
}

TEST_F(PlatformContract, TellsWhenFilesWereWrittenAndClearsEveryLeftoverOfADeadTarget) {
    // Whole seconds, which every file system holds.
    const auto then = std::chrono::floor<std::chrono::seconds>(fs::last_write_time(at("README")));
    fs::last_write_time(at("notes.txt"), then);
    fs::last_write_time(at("README"), then - std::chrono::hours(1));
    ASSERT_TRUE(LastWritten(at("README")) && LastWritten(at("notes.txt")));
    EXPECT_EQ(*LastWritten(at("notes.txt")) - *LastWritten(at("README")), std::chrono::hours(1));
    EXPECT_FALSE(LastWritten(at("absent")));
    const std::string leftovers[] = {TemporaryName("README", ::getpid(), 3),
                                     TemporaryName("notes.txt", DeadProcess, 0)};
    for (const std::string& leftover : leftovers) {
        folder.write(leftover, "part");
    }
    RemoveLeftoversOf(folder.path(), "README");
    EXPECT_FALSE(folder.exists(leftovers[0]));
    EXPECT_TRUE(folder.exists(leftovers[1]));
    const testing::FailingWrites full({28, "No space left on device"});
    auto out = CreateForWriting(at("README"), WriteKind::Private);
    ASSERT_TRUE(out);
    EXPECT_EQ((*out)->write("x").failure(), (Failure{28, "No space left on device"}));
}

TEST_F(PlatformContract, MakesFoldersAndKnowsItsOwnProcess) {
    const std::string nested = at(WideName + "2") + PathSeparator() + "data";
    EXPECT_TRUE(CreateFolders(nested));
    EXPECT_TRUE(CreateFolders(nested));
    EXPECT_TRUE(CreateForWriting(JoinPath(nested, "copy")));
    EXPECT_FALSE(CreateFolders(at("README") + PathSeparator() + "data"));
    EXPECT_TRUE(ProcessIsRunning(CurrentProcessId()));
    EXPECT_FALSE(ProcessIsRunning(0));
}

TEST(Platform, JoinsWithOneSeparatorInTheProgramsFolder) {
    const std::string s(1, PathSeparator());
    const std::tuple<std::string, const char*, std::string> rows[] = {
        {"games" + s + "halvex", "random.sce", "games" + s + "halvex" + s + "random.sce"},
        {"games" + s, "random.sce", "games" + s + "random.sce"},
        {s, "random.sce", s + "random.sce"},
        {"", "random.sce", s + "random.sce"},
        {"games", "", "games" + s}};
    for (const auto& [folder, name, path] : rows) {
        EXPECT_EQ(JoinPath(folder, name), path) << folder;
    }
    const std::string folder = ProgramFolder();
    EXPECT_FALSE(ListFiles(folder, "forgeline_core_tests*").empty()) << folder;
    EXPECT_NE(folder.back(), PathSeparator());
}

TEST(Platform, StartedProgramsGetTheirArgumentsInTheWorkingFolder) {
    const std::tuple<const char*, const char*, std::vector<std::string>> rows[] = {
        {"scene.exe", " \"Deep Space.sce\"", {"Deep Space.sce"}},
        // A character outside the ANSI code page, in which Windows hands `argv` over.
        {"Halvex.exe", " \"Zo\u00eb \u03a9.sce\"", {"Zo\u00eb \u03a9.sce"}},
        {"Halvex.exe", " nobanner scenario ", {"nobanner", "scenario"}},
        {"Halvex.exe", "", {}}};
    for (const auto& [program, parameters, arguments] : rows) {
        TestFolder game;
        InstallFakeProgram(game, program);
        ASSERT_TRUE(StartProgram(JoinPath(game.path(), program), parameters, game.path()))
            << parameters;
        const auto record = WaitForRecord(game, program);
        ASSERT_TRUE(record) << parameters;
        EXPECT_EQ(record->arguments, arguments) << parameters;
        EXPECT_EQ(record->workingFolder, game.path());
    }
}

TEST(Platform, AnsiTextIsWindows1252) {
    const std::pair<std::string, std::string> rows[] = {
        {"", ""},
        {"\x80\x81\x82\x83\x84\x85\x86\x87\x88\x89\x8a\x8b\x8c\x8d\x8e\x8f",
         "\u20ac\u0081\u201a\u0192\u201e\u2026\u2020\u2021\u02c6\u2030\u0160\u2039\u0152\u008d"
         "\u017d\u008f"},
        {"\x90\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9a\x9b\x9c\x9d\x9e\x9f",
         "\u0090\u2018\u2019\u201c\u201d\u2022\u2013\u2014\u02dc\u2122\u0161\u203a\u0153\u009d"
         "\u017e\u0178"},
        {"Caf\xe9 \x93quoted\x94\xff", "Caf\u00e9 \u201cquoted\u201d\u00ff"}};
    for (const auto& [bytes, text] : rows) {
        EXPECT_EQ(AnsiToUtf8(bytes), text) << bytes;
        EXPECT_EQ(Utf8ToAnsi(text), bytes) << bytes;
    }
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
    // Nothing is written as a look-alike or a question mark.
    for (const char* text : {"\u0080", "\u0085", "\u009f", "\u0100", "\u0151", "\u2028", "\u221e",
                             "\u4e2d", "\U0001F600", "\xff", "\xc3",
                             "\xc3"
                             "A",
                             "\xe2\x82", "ok\xc3", "\xf8\x88\x80\x80\x80"}) {
        EXPECT_EQ(Utf8ToAnsi(text), std::nullopt) << text;
    }
}

} // namespace
} // namespace forgeline::platform
