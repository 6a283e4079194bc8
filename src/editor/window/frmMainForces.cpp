#include "editor/window/EditorHistory.h"
#include "editor/window/frmMain.h"
#include "model/ShipCatalogue.h"
#include "ui/Dialogs.h"
#include "ui/LineList.h"
#include "ui/Text.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace forgeline {

void frmMain::frmMain_AddShip_Click() {
    history_->record(QStringLiteral("Add Ship"), [this] {
        const AddShipDecision decision = DecideAddShip(ToCore(Forces->lines()), shipEntry());
        if (decision.message) {
            inform(*decision.message);
        }
        if (decision.newLine) {
            Forces->append(FromCore(*decision.newLine));
        }
        if (decision.refreshCount) {
            refreshShipCount();
        }
    });
}

void frmMain::frmMain_EditShip_Click() {
    history_->record(QStringLiteral("Edit Ship"), [this] {
        const EditShipDecision decision = DecideEditShip(
            ToCore(Forces->lines()), ToCore(EditShip->property("Tag").toString()), shipEntry());
        if (decision.message) {
            inform(*decision.message);
        }
        if (decision.newLine) {
            Forces->remove(decision.index);
            Forces->insert(decision.index, FromCore(*decision.newLine));
        }
        setShipButtonsEnabled(false);
    });
}

void frmMain::frmMain_RemShip_Click() {
    removeSelection(QStringLiteral("Remove Ship"));
}

void frmMain::frmMain_reset_Click() {
    history_->record(QStringLiteral("Reset Forces"), [this] {
        Forces->clear();
        clearShipFields();
        refreshShipCount();
    });
}

void frmMain::frmMain_Forces_Click() {
    const int selected = Forces->selectedRow();
    const ForceEntry piece = ForceEntryFromLine(ToCore(Forces->line(selected)));

    // Every matching position is selected in turn, the last one wins.
    const auto selectMatches = [this](QComboBox* list, const std::string& text) {
        for (int position = 0; position < list->count(); ++position) {
            if (ToCore(list->itemText(position)) == text) {
                selectPosition(list, position);
            }
        }
    };
    selectMatches(Nation, piece.nation);
    selectMatches(ship, piece.shipClass);
    ship->setEditText(FromCore(piece.shipClass));
    shipname->setText(FromCore(piece.name));
    X->setText(FromCore(piece.x));
    Y->setText(FromCore(piece.y));
    heading->setText(FromCore(piece.heading));
    warp->setText(FromCore(piece.warp));
    selectMatches(playcomp, piece.marker);

    RemShip->setEnabled(true);
    EditShip->setEnabled(true);
    EditShip->setProperty("Tag", QString::number(selected));
}

void frmMain::frmMain_Nation_Click() {
    ship->clear();
    const int code = Nation->currentData().toInt();
    ship->addItems(FromCore(ClassesForNation(code)));
    // Adding to an empty list selects its first item; the user picks the class.
    ship->setCurrentIndex(NoSelection);
}

void frmMain::frmMain_shipname_Click() {
    if (shipname->text() == QLatin1String("Name")) {
        shipname->clear();
    }
}

} // namespace forgeline
