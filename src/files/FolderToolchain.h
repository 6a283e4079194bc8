#pragma once

#include "files/GameToolchain.h"

namespace forgeline {

// The game's programs as they lie in one folder, started with that folder as working folder.
class FolderToolchain final : public GameToolchain {
  public:
    explicit FolderToolchain(std::string folder, std::chrono::milliseconds wait = CompilerWait);

    CompileOutcome RunSceneCompiler(const std::string& stem) override;
    bool GameExists() override;
    Status LaunchGame(const std::string& parameters) override;

  private:
    std::string folder_;
    std::chrono::milliseconds wait_;
};

} // namespace forgeline
