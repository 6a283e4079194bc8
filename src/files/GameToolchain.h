#pragma once

#include "base/Result.h"

#include <chrono>
#include <optional>
#include <string>

namespace forgeline {

// How long the compiler is given to leave its .sco before a compile counts as failed.
inline constexpr std::chrono::milliseconds CompilerWait{1500};

// Shown instead of starting a game that is not there.
inline constexpr const char* GameNotFoundMessage =
    "Game not found. 'Halvex.exe' must be in same folder as the Forgeline.";

struct CompileOutcome {
    // The .sco of the stem was found after the wait.
    bool compiled = false;
    // Set when the compiler could not even be started, with the reason.
    std::optional<Failure> startFailure;
};

// The game's two programs in the program's folder: the compiler and the game itself.
class GameToolchain {
  public:
    virtual ~GameToolchain() = default;

    // Starts the compiler with " <stem>.sce", waits, and tells whether <stem>.sco is there.
    virtual CompileOutcome RunSceneCompiler(const std::string& stem) = 0;

    // The game's executable lies in the program's folder.
    virtual bool GameExists() = 0;

    // Starts the game with the parameter string and returns at once.
    virtual Status LaunchGame(const std::string& parameters) = 0;
};

} // namespace forgeline
