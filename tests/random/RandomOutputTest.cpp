#include "random/RandomOutput.h"

#include "ExpectedFailures.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

namespace forgeline {
namespace {

using Kind = PlayOutcome::Kind;
using Lines = std::vector<std::string>;

const Lines Fleet{"Federation Destroyer Hornet 0 0 90 2 <player> ()",
                  "Klingon BC Korg 1500 -200 270 3 <internal> ()"};
const Lines Refused{"Klingon BC \u263a 0 0 0 0 <internal> ()"};
const Failure Refusal{-1, "The force line 1 holds a character that a scenario file cannot hold."};
const Failure NoCompiler{2, "Cannot find 'scene' in the folder."};

std::string fileOf(const Lines& forces) {
    std::string text = "Name: random\r\nSummary: Randomly Generated Scenario.\r\n"
                       "Description: This scenario was generated ranomly by the Forgeline.\r\n"
                       "Objective: Destroy the enemies.\r\nCode: <internal>\r\nForces: \r\n";
    for (const std::string& line : forces) {
        text += line + "\r\n";
    }
    return text;
}

// Compiles by leaving random.sco, as the real compiler does; starting the game fails.
struct FakeToolchain final : GameToolchain {
    FakeToolchain(const testing::TestFolder& folder, bool compiles, bool game)
        : folder(folder), compiles(compiles), game(game) {}
    CompileOutcome RunSceneCompiler(const std::string& stem) override {
        calls.push_back("compile " + stem);
        found = folder.exists("random.sco") ? "old random.sco" : folder.read("random.sce");
        if (compiles) {
            folder.write(stem + ".sco", "compiled");
        }
        return {compiles, compiles ? std::nullopt : std::optional(NoCompiler)};
    }
    bool GameExists() override { return game; }
    Status LaunchGame(const std::string& parameters) override {
        calls.push_back("launch" + parameters);
        return Failure{2, "Cannot find 'Halvex.exe'."};
    }

    const testing::TestFolder& folder;
    bool compiles;
    bool game;
    Lines calls;
    std::string found;
};

TEST(RandomOutput, WritesThenClearsTheOldCompiledScenarioCompilesAndStartsTheGame) {
    using Sce = std::optional<std::string>;
    struct Row {
        std::string old;
        Lines forces;
        Kind kind;
        std::optional<Failure> failure;
        Sce sceAfter;
        const char* scoAfter;
    };
    // A failed write leaves the old files as they were.
    const Row rows[] = {
        {"", Fleet, Kind::Launched, std::nullopt, fileOf(Fleet), "compiled"},
        {"sco sce", {}, Kind::Launched, std::nullopt, fileOf({}), "compiled"},
        {"sco", Fleet, Kind::DidNotCompile, NoCompiler, fileOf(Fleet), nullptr},
        {"sco nogame", Fleet, Kind::GameNotFound, std::nullopt, fileOf(Fleet), "compiled"},
        {"", Refused, Kind::Failed, Refusal, std::nullopt, nullptr},
        {"sco", Refused, Kind::Failed, Refusal, std::nullopt, "old"},
        {"sce", Refused, Kind::Failed, Refusal, "old", nullptr},
        {"sco dir", Fleet, Kind::Failed, testing::PlatformFailures().folderAsFile, "", "old"},
        {"missing", Fleet, Kind::Failed, testing::PlatformFailures().missingFolder, std::nullopt,
         nullptr}};
    const Lines calls{"compile random", "launch nobanner scenario random.sco"};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.old + " " + std::to_string(static_cast<int>(row.kind)));
        testing::TestFolder folder;
        for (const std::string name : {"sco", "sce"}) {
            if (row.old.find(name) != std::string::npos) {
                folder.write("random." + name, "old");
            }
        }
        if (row.old.find("dir") != std::string::npos) {
            folder.makeFolder("random.sce");
        }
        FakeToolchain toolchain(folder, row.kind != Kind::DidNotCompile,
                                row.old.find("nogame") == std::string::npos);
        const PlayOutcome outcome = PlayRandomScenario(
            row.old == "missing" ? folder.file("missing") : folder.path(), row.forces, toolchain);
        EXPECT_EQ(outcome.kind, row.kind);
        EXPECT_EQ(outcome.failure, row.failure);
        const auto called = row.kind == Kind::Launched ? 2 : row.kind == Kind::Failed ? 0 : 1;
        EXPECT_EQ(toolchain.calls, Lines(calls.begin(), calls.begin() + called));
        EXPECT_EQ(toolchain.found, row.kind == Kind::Failed ? "" : fileOf(row.forces));
        EXPECT_EQ(folder.exists("random.sco") ? Sce(folder.read("random.sco")) : std::nullopt,
                  row.scoAfter ? Sce(row.scoAfter) : std::nullopt);
        EXPECT_EQ(folder.exists("random.sce") ? Sce(folder.read("random.sce")) : std::nullopt,
                  row.sceAfter);
    }
}

} // namespace
} // namespace forgeline
