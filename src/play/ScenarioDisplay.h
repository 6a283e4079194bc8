#pragma once

#include <optional>
#include <string>
#include <vector>

namespace forgeline {

// What the browser shows for one picked file, box by box. Every box is given, so nothing of an
// earlier pick stays behind.
struct ScenarioDisplay {
    std::string SCE;
    std::string Summary;
    std::string Description;
    std::string Objective;
    std::vector<std::string> Forces;
    std::string shipCount;
    // Set when the scenario's source exists but could not be read to its end; the boxes then
    // hold what was read before.
    std::optional<std::string> message;

    friend bool operator==(const ScenarioDisplay&, const ScenarioDisplay&) = default;
};

// The display of a listed file: the texts and forces of the .sce of the same name in the
// program's folder, or stand-in texts when there is none.
ScenarioDisplay DisplayScenario(const std::string& programFolder, const std::string& entry);

} // namespace forgeline
