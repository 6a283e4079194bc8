#include "check/CheckFiles.h"

#include "check/ScenarioCheck.h"
#include "files/ScenarioSource.h"

#include <algorithm>
#include <ostream>

namespace forgeline {

CheckStatus CheckFiles(const std::vector<std::string>& paths, std::ostream& out,
                       std::ostream& err) {
    CheckStatus status = CheckStatus::Clean;
    for (const std::string& path : paths) {
        const ScenarioRead read = ReadScenarioSource(path);
        if (read.failure) {
            err << "forgeline: " << path << ": " << read.failure->description << '\n';
            status = CheckStatus::Unreadable;
            continue;
        }
        const std::vector<Problem> problems = CheckScenario(read.source);
        for (const Problem& problem : problems) {
            out << path << ':' << problem.line << ": " << problem.message << '\n';
        }
        if (!problems.empty()) {
            status = std::max(status, CheckStatus::Problems);
        }
    }
    return status;
}

} // namespace forgeline
