#include "random/RandomOutput.h"

#include "platform/Platform.h"

namespace forgeline {

ScenarioSource RandomScenario(const std::vector<std::string>& forces) {
    return {"random", "Randomly Generated Scenario.",
            "This scenario was generated ranomly by the Forgeline.", "Destroy the enemies.",
            forces};
}

PlayOutcome PlayRandomScenario(const std::string& programFolder,
                               const std::vector<std::string>& forces, GameToolchain& toolchain) {
    const std::string compiledPath = platform::JoinPath(programFolder, "random.sco");
    const std::string sourcePath = platform::JoinPath(programFolder, "random.sce");

    // An old random.sco must go so that one found after compiling is this run's; an old
    // random.sce alone is deleted too, while with both the write below replaces it.
    Status cleared;
    if (platform::FileExists(compiledPath)) {
        cleared = platform::DeleteFile(compiledPath);
    } else if (platform::FileExists(sourcePath)) {
        cleared = platform::DeleteFile(sourcePath);
    }
    if (!cleared) {
        return {PlayOutcome::Kind::Failed, cleared.failure()};
    }
    if (Status written = WriteScenarioSource(sourcePath, RandomScenario(forces)); !written) {
        return {PlayOutcome::Kind::Failed, written.failure()};
    }

    CompileOutcome compiled = toolchain.RunSceneCompiler("random");
    if (!compiled.compiled) {
        return {PlayOutcome::Kind::DidNotCompile, std::move(compiled.startFailure)};
    }
    // Whether the game starts is not examined: the window says nothing either way.
    toolchain.LaunchGame(" nobanner scenario random.sco");
    return {PlayOutcome::Kind::Launched, std::nullopt};
}

} // namespace forgeline
