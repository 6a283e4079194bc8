#pragma once

#include "files/GameToolchain.h"
#include "platform/Platform.h"

namespace forgeline {

// The game's programs as they lie in one folder, started with that folder as working folder.
class FolderToolchain final : public GameToolchain {
  public:
    // The starting says how long Wine may take to get a Windows program running, and what to do
    // meanwhile.
    explicit FolderToolchain(std::string folder, std::chrono::milliseconds wait = CompilerWait,
                             platform::StartWaiting starting = {});

    CompileOutcome RunSceneCompiler(const std::string& stem) override;
    bool GameExists() override;
    Status LaunchGame(const std::string& parameters) override;

  private:
    std::string folder_;
    std::chrono::milliseconds wait_;
    platform::StartWaiting starting_;
};

} // namespace forgeline
