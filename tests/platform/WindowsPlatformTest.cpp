#include "TestFolder.h"
#include "platform/Cp1252.h"
#include "platform/Platform.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <windows.h>

namespace forgeline::platform {
namespace {

using forgeline::testing::TestFolder;

TEST(WindowsPlatform, TheAnsiCodePageIsWindows1252ByteForByte) {
    ASSERT_EQ(::GetACP(), 1252u);
    std::string high;
    for (int value = 0x80; value <= 0xFF; ++value) {
        high += static_cast<char>(value);
    }
    EXPECT_EQ(AnsiToUtf8(high), Cp1252ToUtf8(high));
}

TEST(WindowsPlatform, PathsInTheProgramsFolderUseBackslashes) {
    const std::string folder = ProgramFolder();
    ASSERT_GE(folder.size(), 3u);
    EXPECT_EQ(folder.substr(1, 2), ":\\") << folder;
    EXPECT_EQ(folder.find('/'), std::string::npos) << folder;
    EXPECT_TRUE(FileExists(folder + "\\forgeline_core_tests.exe")) << folder;
    EXPECT_EQ(JoinPath("C:\\", "Halvex.exe"), "C:\\Halvex.exe");
    EXPECT_EQ(JoinPath("C:/Games/", "Halvex.exe"), "C:/Games/Halvex.exe");
}

TEST(WindowsPlatform, HiddenAndSystemFilesAreNotListedButFoundAndKeepTheirAttributesWhenReplaced) {
    TestFolder folder;
    const std::pair<const char*, DWORD> rows[] = {
        {"plain.sco", FILE_ATTRIBUTE_NORMAL},
        {"readonly.sco", FILE_ATTRIBUTE_READONLY},
        {"secret.sco", FILE_ATTRIBUTE_HIDDEN},
        {"system.sco", FILE_ATTRIBUTE_SYSTEM},
        {"both.sco", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM}};
    for (const auto& [name, attributes] : rows) {
        folder.write(name, "old");
        ASSERT_TRUE(
            ::SetFileAttributesW(std::filesystem::path(folder.file(name)).c_str(), attributes))
            << name;
    }
    EXPECT_EQ(ListFiles(folder.path(), "*.sco"),
              (std::vector<std::string>{"plain.sco", "readonly.sco"}));
    EXPECT_EQ(FindFileIgnoringCase(folder.path(), "SECRET.sco"), "secret.sco");

    auto file = CreateForWriting(folder.file("secret.sco"));
    ASSERT_TRUE(file);
    ASSERT_TRUE((*file)->write("new"));
    ASSERT_TRUE((*file)->close());
    EXPECT_EQ(folder.read("secret.sco"), "new");
    EXPECT_NE(::GetFileAttributesW(std::filesystem::path(folder.file("secret.sco")).c_str()) &
                  FILE_ATTRIBUTE_HIDDEN,
              0u);
}

// Only read, never written: a build that let a device through must not get to replace one.
TEST(WindowsPlatform, ADeviceOpensAsAFileButIsRefused) {
    EXPECT_EQ(OpenForReading("NUL").failure(), NotARegularFileFailure());
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
