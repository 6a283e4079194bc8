#pragma once

#include "base/Result.h"
#include "files/GameToolchain.h"
#include "files/ScenarioSource.h"

#include <string>

namespace forgeline {

// Writes the scenario as <title>.sce in the folder, removes an old <title>.sco so that one
// found after compiling is this run's, and compiles. The old .sco goes only once the new .sce
// is in place: a write that fails leaves the compiled scenario there was, and starts nothing.
Result<CompileOutcome> WriteAndCompile(const std::string& folder, const ScenarioSource& source,
                                       GameToolchain& toolchain);

} // namespace forgeline
