#include "check/CheckFiles.h"

#include "check/ScenarioCheck.h"
#include "files/ScenarioSource.h"
#include "platform/Platform.h"

#include <algorithm>
#include <ostream>

namespace forgeline {
namespace {

ScenarioRead readNamed(const std::string& path) {
    if (path != StandardInputName) {
        return ReadScenarioSource(path);
    }
    auto input = platform::OpenStandardInput();
    if (!input) {
        ScenarioRead read;
        read.failure = input.failure();
        return read;
    }
    return ReadScenarioSource(**input);
}

} // namespace

CheckStatus CheckFiles(const std::vector<std::string>& paths, std::string_view programFolder,
                       std::ostream& out, std::ostream& err) {
    CheckStatus status = CheckStatus::Clean;
    for (const std::string& path : paths) {
        const ScenarioRead read = readNamed(path);
        const std::string_view shown = path == StandardInputName ? StandardInputShown : path;
        if (read.failure) {
            // A file read part way failed at a line an editor can jump to; one never opened
            // is the program's complaint.
            if (read.opened) {
                err << shown << ':' << read.linesRead + 1 << ": ";
            } else {
                err << "forgeline: " << shown << ": ";
            }
            err << read.failure->description << '\n';
            status = CheckStatus::Unreadable;
            continue;
        }
        const std::vector<Problem> problems = CheckScenario(read.source, programFolder);
        for (const Problem& problem : problems) {
            out << shown << ':' << problem.line << ": " << problem.message << '\n';
        }
        if (!problems.empty()) {
            status = std::max(status, CheckStatus::Problems);
        }
    }
    return status;
}

} // namespace forgeline
