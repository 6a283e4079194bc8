#pragma once

#include "base/Result.h"
#include "files/GameToolchain.h"
#include "files/ScenarioSource.h"

#include <optional>
#include <string>
#include <vector>

namespace forgeline {

// The scenario a random fleet is written as.
ScenarioSource RandomScenario(const std::vector<std::string>& forces);

struct PlayOutcome {
    enum class Kind {
        // random.sco appeared and the game was started (whether it ran is not examined).
        Launched,
        // random.sco appeared but there is no game to start.
        GameNotFound,
        // random.sco did not appear within the wait; startFailure may say why.
        DidNotCompile,
        // Deleting or writing failed; nothing was started.
        Failed,
    };
    Kind kind = Kind::Failed;
    std::optional<Failure> failure;
};

// Writes random.sce in the folder, compiles it and, when random.sco appears, starts the game
// on it.
PlayOutcome PlayRandomScenario(const std::string& programFolder,
                               const std::vector<std::string>& forces, GameToolchain& toolchain);

} // namespace forgeline
