// Ships moved and turned on the map: their lines change in place.
#include "editor/window/frmMain.h"
#include "model/ForceLine.h"
#include "ui/LineList.h"
#include "ui/Text.h"

#include <QAbstractItemModel>
#include <QLineEdit>
#include <QPushButton>

namespace forgeline {

void frmMain::frmMain_Map_ShipChanged(int row, const ShipChange& change, int) {
    if (row < 0 || row >= Forces->count()) {
        return;
    }
    const QString before = Forces->line(row);
    const std::optional<std::string> after = WithShipChange(ToCore(before), change);
    if (!after || FromCore(*after) == before) {
        return;
    }
    Forces->replace(row, FromCore(*after));
}

void frmMain::showLoadedLine(int row) {
    // Edit Ship would otherwise write the old position back.
    if (!EditShip->isEnabled() || EditShip->property("Tag").toString() != QString::number(row)) {
        return;
    }
    const ForceEntry entry = ForceEntryFromLine(ToCore(Forces->line(row)));
    X->setText(FromCore(entry.x));
    Y->setText(FromCore(entry.y));
    heading->setText(FromCore(entry.heading));
}

} // namespace forgeline
