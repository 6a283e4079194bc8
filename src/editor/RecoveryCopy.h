#pragma once

// The copy of a scenario that the editor keeps while its changes are in no file, so that an Exit
// or a crash loses at most the last seconds of work. Its own small format holds every text
// whole, characters the .sce code page cannot hold included.

#include "base/Result.h"
#include "files/ScenarioSource.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace forgeline {

// The process id and the editor's number within its process keep the copies of editors
// running at once apart.
std::string RecoveryFileName(long processId, int editor);
inline constexpr const char* RecoveryFilePattern = "unsaved-*.forgeline";

// The copies among the names whose process no longer runs, in the order given.
std::vector<std::string> AbandonedRecoveryCopies(const std::vector<std::string>& names,
                                                 const std::function<bool(long)>& running);

std::string RecoveryBytes(const ScenarioSource& source);
// Nothing when the bytes are not a whole copy.
std::optional<ScenarioSource> ScenarioFromRecoveryBytes(std::string_view bytes);

// Written through the platform's safe write: a copy is either the old one or the new one whole.
Status WriteRecoveryCopy(const std::string& path, const ScenarioSource& source);
Result<ScenarioSource> ReadRecoveryCopy(const std::string& path);

} // namespace forgeline
