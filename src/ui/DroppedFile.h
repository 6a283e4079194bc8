#pragma once

#include <optional>
#include <string>

class QMimeData;

namespace forgeline {

// The one local file a drag carries, as the core names files, or nothing for anything else
// (text, several files, a remote address).
std::optional<std::string> DroppedFile(const QMimeData* data);

} // namespace forgeline
