#pragma once

#include "files/ScenarioSource.h"

#include <string>
#include <vector>

namespace forgeline::bench {

// Complete force lines of computer-run ships spread over the map, the same for a count.
std::vector<std::string> ForceLinesOf(int count);

// A scenario with short texts and ForceLinesOf(count).
ScenarioSource ScenarioOf(int count);

// A fresh folder under the temporary folder, removed with everything in it at the end.
class BenchFolder {
  public:
    BenchFolder();
    ~BenchFolder();
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

// The folder the benchmarks of one run share.
const BenchFolder& RunFolder();

// A .sce file of ScenarioOf(count) in the run's folder, written on first use.
const std::string& ScenarioFileOf(int count);

} // namespace forgeline::bench
