// Forgeline on Linux beside a Windows game under Wine: the real wine runs the fake compiler and
// game, cross-built for Windows, from a prefix that the first start has to create.
#include "TestFolder.h"
#include "files/FolderToolchain.h"
#include "platform/Platform.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <iostream>
#include <map>
#include <thread>

namespace forgeline {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::TestFolder;

bool wineInstalled() {
    const char* path = std::getenv("PATH");
    std::string_view rest(path != nullptr ? path : "");
    while (!rest.empty()) {
        const std::size_t colon = std::min(rest.find(':'), rest.size());
        if (colon > 0 && fs::exists(fs::path(rest.substr(0, colon)) / "wine")) {
            return true;
        }
        rest.remove_prefix(std::min(colon + 1, rest.size()));
    }
    return false;
}

// Wine shows the Unix root as drive Z:.
std::string asSeenByWine(const std::string& path) {
    std::string windows = "Z:" + path;
    std::replace(windows.begin(), windows.end(), '/', '\\');
    return windows;
}

bool appearsWithin(const TestFolder& folder, const std::string& name,
                   std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!folder.exists(name)) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

long millisecondsSince(std::chrono::steady_clock::time_point start) {
    return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                 std::chrono::steady_clock::now() - start)
                                 .count());
}

// Every test of the suite shares one prefix; the first start creates it, Wine at its slowest.
class WineRoad : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (!fs::exists(FORGELINE_WINE_FAKE_PROGRAM) || !wineInstalled()) {
            return;
        }
        prefix_ = new TestFolder;
        const std::map<std::string, std::optional<std::string>> wine{
            {"WINEPREFIX", prefix_->file("wine")},   {"WINEDEBUG", "-all"},
            {"WINEDLLOVERRIDES", "mscoree,mshtml="}, {"DISPLAY", std::nullopt},
            {"WAYLAND_DISPLAY", std::nullopt},
        };
        for (const auto& [name, value] : wine) {
            const char* old = std::getenv(name.c_str());
            savedEnvironment_[name] =
                old != nullptr ? std::optional<std::string>(old) : std::nullopt;
            setVariable(name, value);
        }
    }

    static void TearDownTestSuite() {
        if (prefix_ == nullptr) {
            return;
        }
        // Ends the prefix's server before its folder goes, along with any fake still running.
        [[maybe_unused]] const int ended = std::system("wineserver -k");
        for (const auto& [name, value] : savedEnvironment_) {
            setVariable(name, value);
        }
        delete prefix_;
        prefix_ = nullptr;
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

  private:
    static void setVariable(const std::string& name, const std::optional<std::string>& value) {
        if (value) {
            ::setenv(name.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(name.c_str());
        }
    }

    static inline TestFolder* prefix_ = nullptr;
    static inline std::map<std::string, std::optional<std::string>> savedEnvironment_;
};

TEST_F(WineRoad, CompilesAndLaunchesWithWineStartingColdThenWarm) {
    FolderToolchain toolchain(game.path());
    std::map<std::string, long> wineSetUp;
    for (const char* start : {"cold", "warm"}) {
        const auto begun = std::chrono::steady_clock::now();
        const CompileOutcome outcome = toolchain.RunSceneCompiler("random");
        wineSetUp[start] = millisecondsSince(begun) - CompilerWait.count();
        EXPECT_TRUE(outcome.compiled) << start;
        EXPECT_FALSE(outcome.startFailure) << start;
        const auto record = WaitForRecord(game, "scene.exe");
        ASSERT_TRUE(record) << start;
        EXPECT_EQ(record->arguments, std::vector<std::string>{"random.sce"});
        EXPECT_EQ(record->workingFolder, asSeenByWine(game.path()));
        fs::remove(game.file("random.sco"));
        fs::remove(game.file("scene.exe.record"));
    }
    std::cout << "Wine's start-up before the compiler ran: " << wineSetUp["cold"]
              << " ms with a new prefix, " << wineSetUp["warm"] << " ms warm\n";
    RecordProperty("wine_start_cold_ms", std::to_string(wineSetUp["cold"]));
    RecordProperty("wine_start_warm_ms", std::to_string(wineSetUp["warm"]));

    ASSERT_TRUE(toolchain.GameExists());
    ASSERT_TRUE(toolchain.LaunchGame(" nobanner scenario random.sco"));
    const auto record = WaitForRecord(game, "Halvex.exe");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->arguments, (std::vector<std::string>{"nobanner", "scenario", "random.sco"}));
    EXPECT_EQ(record->workingFolder, asSeenByWine(game.path()));
}

TEST_F(WineRoad, TheWaitBelongsToTheCompilerAlone) {
    struct Row {
        std::chrono::milliseconds compilerTakes;
        bool counts;
    };
    const Row rows[] = {{0ms, true}, {700ms, true}, {2500ms, false}};
    for (const Row& row : rows) {
        TestFolder folder;
        InstallProgram(folder, FORGELINE_WINE_FAKE_PROGRAM, "scene.exe");
        SetFakeCompilerDelay(folder, row.compilerTakes);
        FolderToolchain toolchain(folder.path());
        EXPECT_EQ(toolchain.RunSceneCompiler("Patrol").compiled, row.counts)
            << row.compilerTakes.count();
        // A late compile still happens: only the wait decided.
        EXPECT_TRUE(appearsWithin(folder, "Patrol.sco", 5s)) << row.compilerTakes.count();
    }
}

} // namespace
} // namespace forgeline
