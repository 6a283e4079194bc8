// Any text as a force line: splitting, piece reading and the clash test never fault and agree
// with one another.
#include "model/ForceChecks.h"
#include "model/ForceLine.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    const auto pieces = forgeline::SplitForceLine(line);
    std::size_t joined = pieces.size() - 1;
    for (const std::string& piece : pieces) {
        joined += piece.size();
    }
    if (joined != line.size()) {
        std::abort();
    }
    for (int field = 0; field <= 8; ++field) {
        const auto which = static_cast<forgeline::ForceField>(field);
        if (forgeline::ForcePiece(line, which) != forgeline::ForcePiece(pieces, which)) {
            std::abort();
        }
    }
    const forgeline::ForceEntry entry = forgeline::ForceEntryFromLine(line);
    if (pieces.size() >= 3 && !forgeline::IsNameTaken({line}, entry.name)) {
        std::abort();
    }
    const std::string rebuilt = forgeline::FormatForceLine(entry);
    if (pieces.size() == 9 && pieces[8] == "()" && rebuilt != line) {
        std::abort();
    }
    return 0;
}
