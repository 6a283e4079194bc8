// Any text as a force line: splitting, piece reading and the clash test never fault and agree
// with one another; selecting the line and editing it writes back nine pieces that read as the
// same fields.
#include "FuzzCheck.h"
#include "editor/EditorRules.h"
#include "editor/ShipEditing.h"
#include "model/ForceChecks.h"
#include "model/ForceLine.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using namespace forgeline::fuzz;

// A number box given a piece of the line, its rule settled, then left.
void settleNumberBox(std::string& text) {
    if (forgeline::NumericChangeRule(text) == forgeline::NumericChange::WriteZero) {
        text = "0";
    }
    if (const std::optional<std::string> fill = forgeline::NumberBoxFill(text)) {
        text = *fill;
    }
}

void checkSelectAndEdit(const std::string& line, std::size_t pieceCount) {
    forgeline::ShipEntry ship{0, 0, 0, forgeline::ForceEntryFromLine(line)};
    for (std::string* number :
         {&ship.fields.x, &ship.fields.y, &ship.fields.heading, &ship.fields.warp}) {
        settleNumberBox(*number);
    }
    const forgeline::EditShipDecision edit = forgeline::DecideEditShip({line}, "0", ship);
    if (ship.fields.name.empty()) {
        check(edit.message == forgeline::IncompleteEntryMessage && !edit.newLine);
    } else {
        check(!edit.message && edit.newLine && edit.index == 0);
        check(forgeline::SplitForceLine(*edit.newLine).size() == 9);
        check(forgeline::FormatForceLine(forgeline::ForceEntryFromLine(*edit.newLine)) ==
              *edit.newLine);
    }
    // Adding the selected ship again meets its own name.
    const forgeline::AddShipDecision add = forgeline::DecideAddShip({line}, ship);
    check(!add.newLine || pieceCount < 3);
    check((add.message == forgeline::NameTakenMessage) == (pieceCount >= 3));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    const auto pieces = forgeline::SplitForceLine(line);
    std::size_t joined = pieces.size() - 1;
    for (const std::string& piece : pieces) {
        joined += piece.size();
    }
    check(joined == line.size());
    for (int field = 0; field <= 8; ++field) {
        const auto which = static_cast<forgeline::ForceField>(field);
        check(forgeline::ForcePiece(line, which) == forgeline::ForcePiece(pieces, which));
    }
    const forgeline::ForceEntry entry = forgeline::ForceEntryFromLine(line);
    check(pieces.size() < 3 || forgeline::IsNameTaken({line}, entry.name));
    const std::string rebuilt = forgeline::FormatForceLine(entry);
    check(pieces.size() != 9 || pieces[8] != "()" || rebuilt == line);
    checkSelectAndEdit(line, pieces.size());

    const std::optional<int> index = forgeline::EditIndexFromTag(line, 3);
    check(!index || (*index >= 0 && *index < 3));
    return 0;
}
