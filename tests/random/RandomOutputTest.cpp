#include "random/RandomOutput.h"

#include "ExpectedFailures.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

namespace forgeline {
namespace {

using testing::TestFolder;
using Kind = PlayOutcome::Kind;

const std::string Header = "Name: random\r\n"
                           "Summary: Randomly Generated Scenario.\r\n"
                           "Description: This scenario was generated ranomly by the Forgeline.\r\n"
                           "Objective: Destroy the enemies.\r\n"
                           "Code: <internal>\r\n"
                           "Forces: \r\n";

const std::vector<std::string> Fleet{
    "Federation Destroyer Hornet 0 0 90 2 <player> ()",
    "Klingon BC Korg 1500 -200 270 3 <internal> ()",
    "Orion Raider Kidd -25000 24999 360 0 <internal> ()",
};

// Records what the generator asks of the game's programs and how the folder looked when the
// compiler was started; compiles by leaving random.sco, as the real compiler does.
class FakeToolchain final : public GameToolchain {
  public:
    explicit FakeToolchain(const TestFolder& folder) : folder_(folder) {}

    bool compiles = true;
    std::optional<Failure> startFailure;
    Status launchResult;

    std::vector<std::string> calls;
    bool scoAtCompile = false;
    std::string sceAtCompile;

    CompileOutcome RunSceneCompiler(const std::string& stem) override {
        calls.push_back("compile " + stem);
        scoAtCompile = folder_.exists("random.sco");
        sceAtCompile = folder_.exists("random.sce") ? folder_.read("random.sce") : "";
        if (compiles) {
            folder_.write(stem + ".sco", "compiled");
        }
        return {compiles, startFailure};
    }
    bool GameExists() override {
        calls.push_back("game exists?");
        return true;
    }
    Status LaunchGame(const std::string& parameters) override {
        calls.push_back("launch" + parameters);
        return launchResult;
    }

  private:
    const TestFolder& folder_;
};

std::string fileOf(const std::vector<std::string>& forces) {
    std::string text = Header;
    for (const std::string& line : forces) {
        text += line + "\r\n";
    }
    return text;
}

TEST(RandomOutput, WritesCompilesAndStartsTheGame) {
    const struct {
        std::vector<std::string> forces;
        Status launch;
    } rows[] = {
        {Fleet, {}},
        {{}, {}},
        {std::vector<std::string>(30, Fleet[1]), {}},
        // Whether the game starts is not examined.
        {Fleet, Failure{2, "Cannot find 'Halvex.exe'."}},
    };
    for (const auto& row : rows) {
        TestFolder folder;
        FakeToolchain toolchain(folder);
        toolchain.launchResult = row.launch;
        const PlayOutcome outcome = PlayRandomScenario(folder.path(), row.forces, toolchain);
        EXPECT_EQ(outcome.kind, Kind::Launched);
        EXPECT_FALSE(outcome.failure);
        EXPECT_EQ(toolchain.calls, (std::vector<std::string>{
                                       "compile random", "launch nobanner scenario random.sco"}));
        // The compiler finds the whole file: six lines and one per ship.
        EXPECT_EQ(toolchain.sceAtCompile, fileOf(row.forces));
        EXPECT_EQ(folder.read("random.sce"), fileOf(row.forces));
    }
}

TEST(RandomOutput, ClearsTheOldCompiledScenarioElseTheOldSource) {
    // Forces the writer refuses show what was deleted before the write: the file stays gone.
    const std::vector<std::string> refused{"Klingon BC \u263a 0 0 0 0 <internal> ()"};
    const std::string refusal =
        "The force line 1 holds a character that a scenario file cannot hold.";
    const struct {
        bool oldSco, oldSce;
        bool writable;
        std::optional<std::string> sceAfter;
    } rows[] = {
        {false, false, true, fileOf(Fleet)}, {true, false, true, fileOf(Fleet)},
        {false, true, true, fileOf(Fleet)},  {true, true, true, fileOf(Fleet)},
        {false, false, false, std::nullopt}, {true, false, false, std::nullopt},
        {false, true, false, std::nullopt},  {true, true, false, "old source"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "sco " << row.oldSco << " sce " << row.oldSce
                                          << " writable " << row.writable);
        TestFolder folder;
        if (row.oldSco) {
            folder.write("random.sco", "old compiled");
        }
        if (row.oldSce) {
            folder.write("random.sce", "old source");
        }
        FakeToolchain toolchain(folder);
        const PlayOutcome outcome =
            PlayRandomScenario(folder.path(), row.writable ? Fleet : refused, toolchain);
        if (row.writable) {
            EXPECT_EQ(outcome.kind, Kind::Launched);
            EXPECT_FALSE(toolchain.scoAtCompile);
            EXPECT_EQ(folder.read("random.sco"), "compiled");
        } else {
            EXPECT_EQ(outcome.kind, Kind::Failed);
            ASSERT_TRUE(outcome.failure);
            EXPECT_EQ(outcome.failure->description, refusal);
            EXPECT_TRUE(toolchain.calls.empty());
            EXPECT_FALSE(folder.exists("random.sco"));
        }
        EXPECT_EQ(folder.exists("random.sce"), row.sceAfter.has_value());
        if (row.sceAfter) {
            EXPECT_EQ(folder.read("random.sce"), *row.sceAfter);
        }
    }
}

TEST(RandomOutput, AMissingCompiledScenarioStartsNoGame) {
    const std::optional<Failure> rows[] = {std::nullopt,
                                           Failure{2, "Cannot find 'scene' in the folder."}};
    for (const std::optional<Failure>& startFailure : rows) {
        TestFolder folder;
        folder.write("random.sco", "old compiled");
        FakeToolchain toolchain(folder);
        toolchain.compiles = false;
        toolchain.startFailure = startFailure;
        const PlayOutcome outcome = PlayRandomScenario(folder.path(), Fleet, toolchain);
        EXPECT_EQ(outcome.kind, Kind::DidNotCompile);
        EXPECT_EQ(outcome.failure, startFailure);
        EXPECT_EQ(toolchain.calls, std::vector<std::string>{"compile random"});
        EXPECT_FALSE(folder.exists("random.sco"));
        EXPECT_EQ(folder.read("random.sce"), fileOf(Fleet));
    }
}

TEST(RandomOutput, AFolderThatCannotTakeTheFileStartsNothing) {
    const struct {
        const char* folder;
        bool sceIsAFolder;
        Failure failure;
    } rows[] = {
        {"missing", false, testing::PlatformFailures().missingFolder},
        {"", true, testing::PlatformFailures().folderAsFile},
    };
    for (const auto& row : rows) {
        TestFolder folder;
        if (row.sceIsAFolder) {
            folder.makeFolder("random.sce");
        }
        FakeToolchain toolchain(folder);
        const std::string programFolder = *row.folder ? folder.file(row.folder) : folder.path();
        const PlayOutcome outcome = PlayRandomScenario(programFolder, Fleet, toolchain);
        EXPECT_EQ(outcome.kind, Kind::Failed);
        ASSERT_TRUE(outcome.failure);
        EXPECT_EQ(*outcome.failure, row.failure);
        EXPECT_TRUE(toolchain.calls.empty());
    }
}

} // namespace
} // namespace forgeline
