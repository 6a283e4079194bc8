#pragma once

#include <optional>
#include <string>
#include <vector>

namespace forgeline {

// Some line, looked at in list order up to the first match, carries the player's marker. A
// line too short to have a marker is no player's ship.
bool HasPlayerShip(const std::vector<std::string>& forceLines);

// The message that stops a compile before any file is touched, or nothing: a missing title,
// no forces, no player ship, in this order, then a title that cannot name a file.
std::optional<std::string> CompileRefusal(const std::string& title,
                                          const std::vector<std::string>& forceLines);

} // namespace forgeline
