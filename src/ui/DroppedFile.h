#pragma once

#include <optional>
#include <string>

class QMimeData;

namespace forgeline {

// A drag that carries addresses of files, which is the editor's business wherever it is
// dropped, never text for a box.
bool CarriesFiles(const QMimeData* data);

// The one local scenario file (a name ending in ".sce", any letter case) a drag carries, as
// the core names files, or nothing for anything else: several files, another kind of file, a
// remote address, text.
std::optional<std::string> DroppedScenario(const QMimeData* data);

} // namespace forgeline
