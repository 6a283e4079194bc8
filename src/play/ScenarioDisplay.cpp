#include "play/ScenarioDisplay.h"

#include "files/ScenarioSource.h"
#include "model/ForceChecks.h"
#include "platform/Platform.h"
#include "play/ScenarioList.h"

namespace forgeline {
namespace {

ScenarioDisplay unknownScenario(const std::string& entry) {
    ScenarioDisplay display;
    display.SCE = entry;
    display.Summary = "Unknown scenario.";
    display.Description = "No scenario description available.";
    display.Forces = {"Unknown Forces"};
    return display;
}

} // namespace

ScenarioDisplay DisplayScenario(const std::string& programFolder, const std::string& entry) {
    // Found with letter case ignored, as beside a Gamma.SCO on Windows a Gamma.SCE belongs.
    const auto file = platform::FindFileIgnoringCase(programFolder, ScenarioName(entry) + ".sce");
    ScenarioDisplay display;
    if (!file) {
        display = unknownScenario(entry);
    } else {
        ScenarioRead read = ReadScenarioSource(platform::JoinPath(programFolder, *file));
        display.SCE = std::move(read.source.Title);
        display.Summary = std::move(read.source.Summary);
        display.Description = std::move(read.source.Description);
        display.Objective = std::move(read.source.Objective);
        display.Forces = std::move(read.source.Forces);
        if (read.failure) {
            display.message = "Scenario file '" + *file +
                              "' could not be read to its end: " + FailureText(*read.failure);
        }
    }
    display.shipCount = ShipCountText(display.Forces.size());
    return display;
}

} // namespace forgeline
