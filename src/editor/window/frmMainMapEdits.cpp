// Ships moved and turned on the map: their lines change in place.
#include "editor/window/EditorHistory.h"
#include "editor/window/frmMain.h"
#include "model/ForceLine.h"
#include "ui/LineList.h"
#include "ui/Text.h"

#include <QAbstractItemModel>
#include <QLineEdit>
#include <QPushButton>

namespace forgeline {

void frmMain::frmMain_Map_ShipChanged(int row, const ShipChange& change, int gesture) {
    if (row < 0 || row >= Forces->count()) {
        return;
    }
    const QString before = Forces->line(row);
    const std::optional<std::string> after = WithShipChange(ToCore(before), change);
    if (!after || FromCore(*after) == before) {
        return;
    }
    // One drag, or one run of key presses, is one step.
    if (gesture != mapGesture_) {
        mapGesture_ = gesture;
        mapMergeKey_ = history_->newMergeKey();
    }
    const QString name = change.heading ? QStringLiteral("Turn Ship") : QStringLiteral("Move Ship");
    history_->record(
        name, [this, row, &after] { Forces->replace(row, FromCore(*after)); }, mapMergeKey_);
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
