#include "editor/CommandMessages.h"

namespace forgeline {

std::string OverwriteQuestion(std::string_view title) {
    return "Scenario file '" + std::string(title) + ".sco' already exists. Overwrite?";
}

std::string FileFailureMessage(const Failure& failure) {
    return FailureText(failure);
}

std::string UnsavedCopyFailureMessage(const std::string& folder, const Failure& failure) {
    return "Unsaved changes cannot be kept in a copy in " + folder + ": " + failure.description +
           ". Save the scenario to keep them.";
}

std::string CompileFailureMessage(const Failure& failure) {
    return "Error: " + failure.description;
}

std::vector<std::string> CompileReport(const CompileOutcome& outcome) {
    std::vector<std::string> messages;
    if (outcome.startFailure) {
        messages.push_back(outcome.startFailure->description);
    }
    messages.emplace_back(outcome.compiled ? CompiledMessage : NotCompiledMessage);
    return messages;
}

} // namespace forgeline
