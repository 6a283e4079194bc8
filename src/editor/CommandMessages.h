#pragma once

#include "base/Result.h"
#include "files/GameToolchain.h"

#include <string>
#include <string_view>
#include <vector>

namespace forgeline {

inline constexpr const char* TitleRequiredMessage = "Scenario Title required.";
inline constexpr const char* NoForcesMessage = "No forces created.";
inline constexpr const char* NoPlayerShipMessage =
    "Must have at least 1 <player> designated ship to compile.";
inline constexpr const char* CompiledMessage = "Scenario compiled successfully.";
inline constexpr const char* NotCompiledMessage = "Scenario did not compile.";
inline constexpr const char* DropRefusedMessage =
    "Only a single scenario file (.sce) on this computer can be dropped here to open it.";

// Asked before an old compiled scenario of the title is deleted.
std::string OverwriteQuestion(std::string_view title);

// A failure of Open or Save, as FailureText words it.
std::string FileFailureMessage(const Failure& failure);

// Asked at Exit and close while the changes are in no file and no copy.
inline constexpr const char* LeaveWithoutSavingQuestion = "Leave without saving?";

// Told once when the copy of unsaved work cannot be written in the folder.
std::string UnsavedCopyFailureMessage(const std::string& folder, const Failure& failure);

// A failure of Compile: "Error: " and its description.
std::string CompileFailureMessage(const Failure& failure);

// What the user is told once the compiler had its time, in order. A compiler that could not
// be started is reported first, as the system's shell would.
std::vector<std::string> CompileReport(const CompileOutcome& outcome);

} // namespace forgeline
