#pragma once

#include "check/ScenarioCheck.h"
#include "files/ScenarioSource.h"

#include <string_view>
#include <vector>

namespace forgeline {

// The problems to put before the user before a compile goes on: every problem of the check
// when Compile would go on with the scenario, none when it would refuse it (its own message
// says why, as ever) or when the scenario is clean. Titles are names in the program's folder.
std::vector<Problem> ProblemsBeforeCompile(const ScenarioSource& source,
                                           std::string_view programFolder);

} // namespace forgeline
