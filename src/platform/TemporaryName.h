#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace forgeline::platform {

// The name of the temporary file a safe write fills beside its target. It is short whatever the
// target's length, so every name the folder can hold can be saved, and it tells the target and
// the writing process apart, so a leftover of a process that died can be told from a file a
// live process is still writing.
std::string TemporaryName(std::string_view targetName, long processId, unsigned attempt);

// The process that owns a temporary file of the target by that name; nothing for any other name.
std::optional<long> TemporaryFileOwner(std::string_view name, std::string_view targetName);

} // namespace forgeline::platform
