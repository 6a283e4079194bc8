#include "random/RandomOutput.h"

#include "files/ScenarioCompile.h"

namespace forgeline {

ScenarioSource RandomScenario(const std::vector<std::string>& forces) {
    return {"random", "Randomly Generated Scenario.",
            "This scenario was generated ranomly by the Forgeline.", "Destroy the enemies.",
            forces};
}

PlayOutcome PlayRandomScenario(const std::string& programFolder,
                               const std::vector<std::string>& forces, GameToolchain& toolchain) {
    Result<CompileOutcome> compiled =
        WriteAndCompile(programFolder, RandomScenario(forces), toolchain);
    if (!compiled) {
        return {PlayOutcome::Kind::Failed, compiled.failure()};
    }
    if (!compiled->compiled) {
        return {PlayOutcome::Kind::DidNotCompile, std::move(compiled->startFailure)};
    }
    if (!toolchain.GameExists()) {
        return {PlayOutcome::Kind::GameNotFound, std::nullopt};
    }
    // Whether the game starts is not examined: the window says nothing either way.
    toolchain.LaunchGame(" nobanner scenario random.sco");
    return {PlayOutcome::Kind::Launched, std::nullopt};
}

} // namespace forgeline
