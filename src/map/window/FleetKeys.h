#pragma once

#include "map/GroupEdits.h"

#include <optional>

class QKeyEvent;

namespace forgeline {

// The command of a key in `Forces` and on the editor's map: Ctrl+A, Ctrl+C, Ctrl+X, Ctrl+V,
// Ctrl+D and Delete.
std::optional<FleetCommand> FleetCommandOfKey(const QKeyEvent* event);

} // namespace forgeline
