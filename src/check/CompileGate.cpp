#include "check/CompileGate.h"

#include "editor/CompileChecks.h"
#include "files/StorableText.h"

#include <algorithm>

namespace forgeline {
namespace {

// The writer refuses the scenario, and with it Compile, before anything is written.
bool writerRefuses(const ScenarioSource& source) {
    const auto unstorable = [](const std::string& value) {
        return FindUnstorable(value).has_value();
    };
    const std::string* texts[] = {&source.Title, &source.Summary, &source.Description,
                                  &source.Objective};
    return std::ranges::any_of(texts, [&](const std::string* text) { return unstorable(*text); }) ||
           std::ranges::any_of(source.Forces, unstorable);
}

} // namespace

std::vector<Problem> ProblemsBeforeCompile(const ScenarioSource& source,
                                           std::string_view programFolder) {
    if (CompileRefusal(source.Title, source.Forces, programFolder) || writerRefuses(source)) {
        return {};
    }
    return CheckScenario(source, programFolder);
}

} // namespace forgeline
