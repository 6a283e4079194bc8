#pragma once

#include "base/Result.h"
#include "platform/Platform.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace forgeline {

// One scenario as a .sce file holds it. Text is UTF-8 here; the file holds it 8-bit.
struct ScenarioSource {
    std::string Title;
    std::string Summary;
    std::string Description;
    std::string Objective;
    std::vector<std::string> Forces;

    friend bool operator==(const ScenarioSource&, const ScenarioSource&) = default;
};

// Writes the file: created, or emptied when it exists. Nothing is written when a value cannot
// be stored (a line break, a character outside the code page); then the failure names it.
Status WriteScenarioSource(const std::string& path, const ScenarioSource& source);

// What a read delivered, in file order: the first `headerValuesRead` of title, summary,
// description and objective, then the force lines read. On a failure the values delivered
// before it are kept, so a caller can show them; `opened` tells a file that failed part way
// from one that could not be opened at all, and `refused` a file too large to be a scenario,
// whose part read is no scenario's beginning worth showing. `linesRead` counts the file's
// lines read whole, so a failure stands at the line after them.
struct ScenarioRead {
    ScenarioSource source;
    bool opened = false;
    bool refused = false;
    int headerValuesRead = 0;
    int linesRead = 0;
    std::optional<Failure> failure;
};

ScenarioRead ReadScenarioSource(const std::string& path);
// The same from a file already open, such as standard input.
ScenarioRead ReadScenarioSource(platform::InputFile& file);

// Files far beyond any scenario are refused while they are read, before they can exhaust
// memory or time: over this many bytes, or force lines. Each line held costs memory beyond its
// bytes: a file of bare line ends within the byte limit would still take gigabytes as lines.
inline constexpr std::uint64_t ScenarioByteLimit = std::uint64_t{64} << 20;
inline constexpr std::size_t ScenarioForceLineLimit = std::size_t{1} << 20;

// The failure of a file over one of the limits, named by `over` ("64 MiB").
Failure ScenarioTooLarge(std::string_view over);

} // namespace forgeline
