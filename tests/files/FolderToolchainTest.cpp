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
    for (const char* name : {"scene", "SCENE", "scene.exe", "Scene.EXE"}) {
        TestFolder folder;
        InstallFakeProgram(folder, name);
        folder.write("Patrol.sce", "");
        FolderToolchain toolchain(folder.path(), Wait);
        const CompileOutcome outcome = toolchain.RunSceneCompiler("Patrol");
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
    FolderToolchain toolchain(folder.path(), 200ms);
    EXPECT_FALSE(toolchain.RunSceneCompiler("Slow").compiled);
    EXPECT_TRUE(WaitForRecord(folder, "scene"));
}

TEST(FolderToolchain, AFailingCompilerLeavesNoSco) {
    TestFolder folder;
    InstallFakeProgram(folder, "scene");
    MakeFakeCompilerFail(folder);
    FolderToolchain toolchain(folder.path(), 300ms);
    const CompileOutcome outcome = toolchain.RunSceneCompiler("random");
    EXPECT_FALSE(outcome.compiled);
    EXPECT_FALSE(outcome.startFailure);
}

TEST(FolderToolchain, AMissingCompilerSaysWhyAndNeverWaits) {
    TestFolder folder;
    FolderToolchain toolchain(folder.path(), 60s);
    const CompileOutcome outcome = toolchain.RunSceneCompiler("Patrol");
    EXPECT_FALSE(outcome.compiled);
    ASSERT_TRUE(outcome.startFailure);
    EXPECT_EQ(outcome.startFailure->description, "Cannot find 'scene' in " + folder.path() + ".");
}

TEST(FolderToolchain, GameIsFoundIgnoringCaseAndGetsThreeArguments) {
    TestFolder folder;
    FolderToolchain toolchain(folder.path(), Wait);
    EXPECT_FALSE(toolchain.GameExists());
    EXPECT_FALSE(toolchain.LaunchGame(" nobanner scenario Patrol.sco"));

    InstallFakeProgram(folder, "halvex.EXE");
    EXPECT_TRUE(toolchain.GameExists());
    ASSERT_TRUE(toolchain.LaunchGame(" nobanner scenario Patrol.sco"));
    const auto record = WaitForRecord(folder, "halvex.EXE");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->workingFolder, folder.path());
    EXPECT_EQ(record->arguments, (std::vector<std::string>{"nobanner", "scenario", "Patrol.sco"}));
}

TEST(FolderToolchain, AFolderNamedLikeTheGameIsNoGame) {
    TestFolder folder;
    folder.makeFolder("Halvex.exe");
    EXPECT_FALSE(FolderToolchain(folder.path()).GameExists());
}

} // namespace
} // namespace forgeline
