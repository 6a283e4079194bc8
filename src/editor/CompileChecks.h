#pragma once

#include "base/Result.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace forgeline {

// Some line, looked at in list order up to the first match, carries the player's marker. A
// line looked at that is too short to have a marker is a failure naming it; the lines after the
// first match are never looked at.
Result<bool> HasPlayerShip(const std::vector<std::string>& forceLines);

// The message that stops a compile before any file is touched, or nothing: a missing title,
// no forces, a line too short to tell, no player ship, in this order, then a title that
// cannot name a file in the program's folder.
std::optional<std::string> CompileRefusal(const std::string& title,
                                          const std::vector<std::string>& forceLines,
                                          std::string_view programFolder);

} // namespace forgeline
