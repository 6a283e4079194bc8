#pragma once

#include "files/ScenarioSource.h"

#include <optional>
#include <string>

namespace forgeline {

// What Open makes of a file. A file that cannot be opened at all, or is refused as too large
// to be a scenario, leaves the editor as it was; any other is shown whole: what a short file did
// not reach is shown empty, so the editor never holds a mix of two scenarios.
struct OpenedScenario {
    // Nothing when the editor keeps what it shows.
    std::optional<ScenarioSource> shown;
    // The failure, as Open reports it.
    std::optional<std::string> message;
};

OpenedScenario OpenScenarioFile(const std::string& path);

} // namespace forgeline
