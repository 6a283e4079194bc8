#include "play/GameLaunch.h"

#include "play/ScenarioList.h"

namespace forgeline {

std::optional<std::string> LaunchCompiledScenario(GameToolchain& toolchain,
                                                  std::string_view entry) {
    if (!toolchain.GameExists()) {
        return GameNotFoundMessage;
    }
    if (const Status started = toolchain.LaunchGame(LaunchParameters(entry)); !started) {
        return started.failure().description;
    }
    return std::nullopt;
}

} // namespace forgeline
