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
    FakeToolchain(const testing::TestFolder& folder, bool compiles)
        : folder(folder), compiles(compiles) {}
    CompileOutcome RunSceneCompiler(const std::string& stem) override {
        calls.push_back("compile " + stem);
        found = folder.exists("random.sco") ? "old random.sco" : folder.read("random.sce");
        if (compiles) {
            folder.write(stem + ".sco", "compiled");
        }
        return {compiles, compiles ? std::nullopt : std::optional(NoCompiler)};
    }
    bool GameExists() override { return true; }
    Status LaunchGame(const std::string& parameters) override {
        calls.push_back("launch" + parameters);
        return Failure{2, "Cannot find 'Halvex.exe'."};
    }

    const testing::TestFolder& folder;
    bool compiles;
    Lines calls;
    std::string found;
};

TEST(RandomOutput, ClearsTheOldScenarioWritesCompilesAndStartsTheGame) {
    using Sce = std::optional<std::string>;
    const std::tuple<std::string, Lines, Kind, std::optional<Failure>, Sce> rows[] = {
        {"", Fleet, Kind::Launched, std::nullopt, fileOf(Fleet)},
        {"sco sce", {}, Kind::Launched, std::nullopt, fileOf({})},
        {"sco", Fleet, Kind::DidNotCompile, NoCompiler, fileOf(Fleet)},
        {"", Refused, Kind::Failed, Refusal, std::nullopt},
        {"sco", Refused, Kind::Failed, Refusal, std::nullopt},
        {"sce", Refused, Kind::Failed, Refusal, std::nullopt},
        {"sco sce", Refused, Kind::Failed, Refusal, "old"},
        {"dir", Fleet, Kind::Failed, testing::PlatformFailures().folderAsFile, ""},
        {"missing", Fleet, Kind::Failed, testing::PlatformFailures().missingFolder, std::nullopt}};
    const Lines calls{"compile random", "launch nobanner scenario random.sco"};
    for (const auto& [old, forces, kind, failure, sceAfter] : rows) {
        SCOPED_TRACE(old + " " + std::to_string(static_cast<int>(kind)));
        testing::TestFolder folder;
        for (const std::string name : {"sco", "sce"}) {
            if (old.find(name) != std::string::npos) {
                folder.write("random." + name, "old");
            }
        }
        if (old == "dir") {
            folder.makeFolder("random.sce");
        }
        FakeToolchain toolchain(folder, kind != Kind::DidNotCompile);
        const PlayOutcome outcome = PlayRandomScenario(
            old == "missing" ? folder.file("missing") : folder.path(), forces, toolchain);
        EXPECT_EQ(outcome.kind, kind);
        EXPECT_EQ(outcome.failure, failure);
        const auto called = kind == Kind::Launched ? 2 : kind == Kind::Failed ? 0 : 1;
        EXPECT_EQ(toolchain.calls, Lines(calls.begin(), calls.begin() + called));
        EXPECT_EQ(toolchain.found, kind == Kind::Failed ? "" : fileOf(forces));
        EXPECT_EQ(folder.exists("random.sco"), kind == Kind::Launched);
        EXPECT_EQ(folder.exists("random.sce") ? Sce(folder.read("random.sce")) : std::nullopt,
                  sceAfter);
    }
}

} // namespace
} // namespace forgeline
