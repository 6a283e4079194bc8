#include "files/FolderToolchain.h"

#include "TestFolder.h"

#include <gtest/gtest.h>

namespace forgeline {
namespace {

using namespace std::chrono_literals;
using testing::TestFolder;

// Long enough for the fake compiler to start and write under load, short enough for a test.
constexpr auto Wait = 700ms;

TEST(FolderToolchain, CompilerGetsTheStemAndTheProgramsFolder) {
    for (const char* name : {"SCENE", "Scene.EXE"}) {
        TestFolder folder;
        InstallFakeProgram(folder, name);
        const CompileOutcome outcome =
            FolderToolchain(folder.path(), Wait).RunSceneCompiler("Patrol");
        EXPECT_TRUE(outcome.compiled) << name;
        EXPECT_FALSE(outcome.startFailure) << name;
        const auto record = WaitForRecord(folder, name);
        ASSERT_TRUE(record) << name;
        EXPECT_EQ(record->workingFolder, folder.path());
        EXPECT_EQ(record->arguments, std::vector<std::string>{"Patrol.sce"});
    }
}

TEST(FolderToolchain, ACompilerSlowerThanTheWaitCountsAsFailed) {
    TestFolder folder;
    InstallFakeProgram(folder, "scene");
    SetFakeCompilerDelay(folder, 1500ms);
    const CompileOutcome outcome = FolderToolchain(folder.path(), 200ms).RunSceneCompiler("Slow");
    EXPECT_FALSE(outcome.compiled);
    EXPECT_FALSE(outcome.startFailure);
    EXPECT_TRUE(WaitForRecord(folder, "scene"));
}

TEST(FolderToolchain, MissingProgramsSayWhyAndTheGameIsFoundIgnoringCase) {
    TestFolder folder;
    folder.makeFolder("scene");
    FolderToolchain toolchain(folder.path(), 60s);
    const CompileOutcome outcome = toolchain.RunSceneCompiler("Patrol");
    EXPECT_FALSE(outcome.compiled);
    EXPECT_EQ(outcome.startFailure, (Failure{2, "Cannot find 'scene' in " + folder.path() + "."}));
    EXPECT_FALSE(toolchain.GameExists());
    EXPECT_EQ(toolchain.LaunchGame(" nobanner scenario Patrol.sco").failure(),
              (Failure{2, "Cannot find 'Halvex.exe' in " + folder.path() + "."}));

    InstallFakeProgram(folder, "halvex.EXE");
    EXPECT_TRUE(toolchain.GameExists());
    ASSERT_TRUE(toolchain.LaunchGame(" nobanner scenario Patrol.sco"));
    const auto record = WaitForRecord(folder, "halvex.EXE");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->workingFolder, folder.path());
    EXPECT_EQ(record->arguments, (std::vector<std::string>{"nobanner", "scenario", "Patrol.sco"}));

    TestFolder other;
    other.makeFolder("Halvex.exe");
    EXPECT_FALSE(FolderToolchain(other.path()).GameExists());
}

} // namespace
} // namespace forgeline
