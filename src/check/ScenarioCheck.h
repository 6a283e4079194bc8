#pragma once

#include "files/ScenarioSource.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace forgeline {

// Something in a scenario that the game, Compile or the writer would choke on, at its line of
// the .sce file.
struct Problem {
    int line = 0;
    std::string message;

    friend bool operator==(const Problem&, const Problem&) = default;
};

inline constexpr const char* NoProblemsMessage = "No problems found.";

// Lines of the .sce file: the four texts, the "Forces: " line, then one line per force line.
inline constexpr int TitleLine = 1;
inline constexpr int ForcesHeaderLine = 6;
int ForceLineNumber(std::size_t position);
// The position in the forces of the force line at that line of the file, or nothing.
std::optional<std::size_t> ForcePositionOfLine(int line);

// Every problem, by line; nothing is changed. Where a rule is also Compile's, Add Ship's or the
// writer's, it is asked of the same function, so the check and the commands agree. The title
// is checked as Compile would write it in the program's folder.
std::vector<Problem> CheckScenario(const ScenarioSource& source, std::string_view programFolder);

} // namespace forgeline
