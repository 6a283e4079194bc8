#pragma once

// The copy of a scenario that the editor keeps while its changes are in no file, so that an Exit
// or a crash loses at most the last seconds of work. Its own small format holds every text
// whole, characters the .sce code page cannot hold included.

#include "base/Result.h"
#include "files/ScenarioSource.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace forgeline {

// The process id and the editor's number within its process keep the copies of editors
// running at once apart.
std::string RecoveryFileName(long processId, int editor);
// Beside each copy, a file its editor holds locked while it runs: a process number alone may
// belong to another program by now, or to this one.
std::string RecoveryLockName(std::string_view copyName);
inline constexpr const char* RecoveryFilesPattern = "unsaved-*";

// The names of the copies, among the names of a folder's copies and lock files, whose editors
// no longer run (`locked` tells whether a lock file is held), each once, in the order given.
// A name may stand for a lock file alone: its editor ended with no copy written whole.
std::vector<std::string>
AbandonedRecoveryCopies(const std::vector<std::string>& names,
                        const std::function<bool(const std::string&)>& locked);

std::string RecoveryBytes(const ScenarioSource& source);
// Refuses bytes that are not a whole copy, and a copy over a scenario's limits.
Result<ScenarioSource> ScenarioFromRecoveryBytes(std::string_view bytes);

// Written through the platform's safe write as a private file: a copy is either the old one or
// the new one whole, and never written through a link planted at its name.
Status WriteRecoveryCopy(const std::string& path, const ScenarioSource& source);
// Read with a scenario's limits, refused before the bytes past them are read.
Result<ScenarioSource> ReadRecoveryCopy(const std::string& path);

// An abandoned copy as the list of copies offers it.
struct RecoveryChoice {
    std::string path;
    std::optional<std::chrono::system_clock::time_point> written;
    std::string title;
    std::size_t ships = 0;
    // Why the copy cannot be recovered; nothing for a whole one.
    std::optional<std::string> damage;
};

// The copies at the paths, each read, the newest first.
std::vector<RecoveryChoice> RecoveryChoices(const std::vector<std::string>& paths);

// The line that shows a choice, with the time it was written in the window's words.
std::string RecoveryChoiceText(const RecoveryChoice& choice, std::string_view written);

} // namespace forgeline
