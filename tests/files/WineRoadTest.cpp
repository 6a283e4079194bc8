// Forgeline on Linux beside a Windows game under Wine: the real wine runs the fake compiler and
// game, cross-built for Windows, from a prefix that the first start has to create.
#include "TestFolder.h"
#include "files/FolderToolchain.h"
#include "platform/Platform.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace forgeline {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::TestFolder;

bool wineInstalled() {
    std::string_view rest(std::getenv("PATH") != nullptr ? std::getenv("PATH") : "");
    for (std::size_t colon = 0; !rest.empty();
         rest.remove_prefix(std::min(colon + 1, rest.size()))) {
        colon = std::min(rest.find(':'), rest.size());
        if (colon > 0 && fs::exists(fs::path(rest.substr(0, colon)) / "wine")) {
            return true;
        }
    }
    return false;
}

// Wine shows the Unix root as drive Z:.
std::string asSeenByWine(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return "Z:" + path;
}

// Every test of the suite shares one prefix, quiet and without a display; the first start
// creates it, Wine at its slowest.
class WineRoad : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (fs::exists(FORGELINE_WINE_FAKE_PROGRAM) && wineInstalled()) {
            prefix_ = new TestFolder;
            ::setenv("WINEPREFIX", prefix_->file("wine").c_str(), 1);
            ::setenv("WINEDEBUG", "-all", 1);
            ::setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 1);
            ::unsetenv("DISPLAY");
            ::unsetenv("WAYLAND_DISPLAY");
        }
    }

    static void TearDownTestSuite() {
        if (prefix_ != nullptr) {
            // Ends the prefix's server before its folder goes, along with any fake still running.
            [[maybe_unused]] const int ended = std::system("wineserver -k");
            delete prefix_;
            prefix_ = nullptr;
        }
    }

    void SetUp() override {
        if (prefix_ == nullptr) {
            // Where the road is the point of the run, its absence is a failure, not a skip.
            if (std::getenv("FORGELINE_REQUIRE_WINE_ROAD") != nullptr) {
                FAIL() << "needs wine and the Windows fake program " FORGELINE_WINE_FAKE_PROGRAM;
            }
            GTEST_SKIP() << "needs wine and the Windows fake program " FORGELINE_WINE_FAKE_PROGRAM;
        }
        InstallProgram(game, FORGELINE_WINE_FAKE_PROGRAM, "scene.exe");
        InstallProgram(game, FORGELINE_WINE_FAKE_PROGRAM, "Halvex.exe");
    }

    TestFolder game;
    static inline TestFolder* prefix_ = nullptr;
};

TEST_F(WineRoad, CompilesAndLaunchesWithWineStartingColdThenWarm) {
    FolderToolchain toolchain(game.path());
    for (const char* start : {"cold", "warm"}) {
        const CompileOutcome outcome = toolchain.RunSceneCompiler("random");
        EXPECT_TRUE(outcome.compiled && !outcome.startFailure) << start;
        const auto record = WaitForRecord(game, "scene.exe");
        ASSERT_TRUE(record) << start;
        EXPECT_EQ(record->arguments, std::vector<std::string>{"random.sce"});
        EXPECT_EQ(record->workingFolder, asSeenByWine(game.path()));
        fs::remove(game.file("random.sco"));
        fs::remove(game.file("scene.exe.record"));
    }
    ASSERT_TRUE(toolchain.GameExists());
    ASSERT_TRUE(toolchain.LaunchGame(" nobanner scenario random.sco"));
    const auto record = WaitForRecord(game, "Halvex.exe");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->arguments, (std::vector<std::string>{"nobanner", "scenario", "random.sco"}));
    EXPECT_EQ(record->workingFolder, asSeenByWine(game.path()));
}

// The wait belongs to the compiler alone: a late compile still happens, only the wait decided.
TEST_F(WineRoad, TheWaitBelongsToTheCompilerAlone) {
    for (const auto& [compilerTakes, counts] :
         {std::pair{0ms, true}, {700ms, true}, {2500ms, false}}) {
        TestFolder folder;
        InstallProgram(folder, FORGELINE_WINE_FAKE_PROGRAM, "scene.exe");
        SetFakeCompilerDelay(folder, compilerTakes);
        EXPECT_EQ(FolderToolchain(folder.path()).RunSceneCompiler("Patrol").compiled, counts)
            << compilerTakes.count();
        EXPECT_TRUE(WaitForFile(folder, "Patrol.sco")) << compilerTakes.count();
    }
}

} // namespace
} // namespace forgeline
