#include "ExpectedFailures.h"
#include "TestFolder.h"
#include "files/ScenarioSource.h"
#include "platform/Cp1252.h"
#include "platform/Platform.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <windows.h>

namespace forgeline::platform {
namespace {

using forgeline::testing::RunningUnderWine;
using forgeline::testing::TestFolder;

void setAttributes(const TestFolder& folder, const std::string& name, DWORD attributes) {
    ASSERT_TRUE(::SetFileAttributesW(std::filesystem::path(folder.file(name)).c_str(), attributes))
        << name;
}

DWORD attributesOf(const TestFolder& folder, const std::string& name) {
    return ::GetFileAttributesW(std::filesystem::path(folder.file(name)).c_str());
}

TEST(WindowsPlatform, TheAnsiCodePageIsWindows1252ByteForByte) {
    ASSERT_EQ(::GetACP(), 1252u);
    for (int value = 0x80; value <= 0xFF; ++value) {
        const std::string byte(1, static_cast<char>(value));
        const std::string text = AnsiToUtf8(byte);
        EXPECT_EQ(text, Cp1252ToUtf8(byte)) << value;
        EXPECT_EQ(Utf8ToAnsi(text), byte) << value;
    }
}

TEST(WindowsPlatform, OpenAndSaveReportWindowsCodeAndText) {
    TestFolder folder;
    const ScenarioRead opened = ReadScenarioSource(folder.file("absent.sce"));
    const Status saved = WriteScenarioSource(folder.file("none\\Patrol.sce"), {});
    ASSERT_TRUE(opened.failure);
    ASSERT_FALSE(saved);
    struct Row {
        Failure failure;
        const char* onWine;
        const char* onWindows;
    };
    const Row rows[] = {
        {*opened.failure, "2 - File not found.", "2 - The system cannot find the file specified."},
        {saved.failure(), "3 - Path not found.", "3 - The system cannot find the path specified."},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(std::to_string(row.failure.code) + " - " + row.failure.description,
                  RunningUnderWine() ? row.onWine : row.onWindows);
    }
}

TEST(WindowsPlatform, PathsInTheProgramsFolderUseBackslashes) {
    const std::string folder = ProgramFolder();
    ASSERT_GE(folder.size(), 3u);
    EXPECT_EQ(folder.substr(1, 2), ":\\") << folder;
    EXPECT_EQ(folder.find('/'), std::string::npos) << folder;
    const std::string program = JoinPath(folder, "forgeline_core_tests.exe");
    EXPECT_EQ(program, folder + "\\forgeline_core_tests.exe");
    EXPECT_TRUE(FileExists(program)) << program;
    EXPECT_EQ(JoinPath("C:\\", "Halvex.exe"), "C:\\Halvex.exe");
    EXPECT_EQ(JoinPath("C:/Games/", "Halvex.exe"), "C:/Games/Halvex.exe");
}

TEST(WindowsPlatform, HiddenAndSystemFilesAreNotListedButStillFound) {
    TestFolder folder;
    struct Row {
        const char* name;
        DWORD attributes;
    };
    const Row rows[] = {
        {"plain.sco", FILE_ATTRIBUTE_NORMAL},
        {"readonly.sco", FILE_ATTRIBUTE_READONLY},
        {"secret.sco", FILE_ATTRIBUTE_HIDDEN},
        {"system.sco", FILE_ATTRIBUTE_SYSTEM},
        {"both.sco", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM},
    };
    for (const Row& row : rows) {
        folder.write(row.name, "");
        setAttributes(folder, row.name, row.attributes);
    }
    EXPECT_EQ(ListFiles(folder.path(), "*.sco"),
              (std::vector<std::string>{"plain.sco", "readonly.sco"}));
    EXPECT_EQ(FindFileIgnoringCase(folder.path(), "SECRET.sco"), "secret.sco");
}

TEST(WindowsPlatform, AReplacementKeepsTheOldFilesAttributes) {
    TestFolder folder;
    folder.write("keep.sce", "old");
    setAttributes(folder, "keep.sce", FILE_ATTRIBUTE_HIDDEN);
    auto file = CreateForWriting(folder.file("keep.sce"));
    ASSERT_TRUE(file);
    ASSERT_TRUE((*file)->write("new"));
    ASSERT_TRUE((*file)->close());
    EXPECT_EQ(folder.read("keep.sce"), "new");
    EXPECT_NE(attributesOf(folder, "keep.sce") & FILE_ATTRIBUTE_HIDDEN, 0u);
}

TEST(WindowsPlatform, APathThatIsNotUtf8NamesNoFile) {
    TestFolder folder;
    const std::string path = JoinPath(folder.path(), "bad\xff.sce");
    EXPECT_FALSE(FileExists(path));
    EXPECT_EQ(OpenForReading(path).failure().code, ERROR_NO_UNICODE_TRANSLATION);
    EXPECT_EQ(CreateForWriting(path).failure().code, ERROR_NO_UNICODE_TRANSLATION);
}

} // namespace
} // namespace forgeline::platform
