#pragma once

#include "files/GameToolchain.h"

#include <optional>
#include <string>
#include <string_view>

namespace forgeline {

// Starts the game on a compiled scenario of the program's folder, as the browser's Launch
// does: nothing is started when the game is not there. The message to show, or nothing once
// the game has started; the game itself is never waited for.
std::optional<std::string> LaunchCompiledScenario(GameToolchain& toolchain, std::string_view entry);

} // namespace forgeline
