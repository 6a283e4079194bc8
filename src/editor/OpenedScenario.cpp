#include "editor/OpenedScenario.h"

#include "editor/CommandMessages.h"

namespace forgeline {

OpenedScenario OpenScenarioFile(const std::string& path) {
    ScenarioRead read = ReadScenarioSource(path);
    OpenedScenario opened;
    if (read.failure) {
        opened.message = FileFailureMessage(*read.failure);
    }
    if (read.opened && !read.refused) {
        opened.shown = std::move(read.source);
    }
    return opened;
}

} // namespace forgeline
