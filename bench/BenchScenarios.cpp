#include "BenchScenarios.h"

#include <cstdlib>
#include <filesystem>
#include <map>
#include <stdexcept>

namespace forgeline::bench {

std::vector<std::string> ForceLinesOf(int count) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const int x = i % 50000 - 25000;
        const int y = (i * 7919) % 50000 - 25000;
        lines.push_back("Klingon BC K" + std::to_string(i) + " " + std::to_string(x) + " " +
                        std::to_string(y) + " " + std::to_string(i % 360) + " 3 <internal> ()");
    }
    return lines;
}

ScenarioSource ScenarioOf(int count) {
    return {"Big", "A big fleet.", "Many ships.", "Win.", ForceLinesOf(count)};
}

BenchFolder::BenchFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "forgeline-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("no temporary folder for the benchmarks: " + pattern);
    }
    path_ = pattern;
}

BenchFolder::~BenchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

const BenchFolder& RunFolder() {
    static const BenchFolder folder;
    return folder;
}

const std::string& ScenarioFileOf(int count) {
    // One file per size: the runs of different sizes are interleaved.
    static std::map<int, std::string> made;
    auto [at, added] =
        made.try_emplace(count, RunFolder().file("read-" + std::to_string(count) + ".sce"));
    if (added) {
        if (const Status written = WriteScenarioSource(at->second, ScenarioOf(count)); !written) {
            throw std::runtime_error(written.failure().description);
        }
    }
    return at->second;
}

} // namespace forgeline::bench
