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

void frmMain::frmMain_Map_ShipsChanged(const std::vector<ShipEdit>& edits, int gesture) {
    std::vector<int> rows;
    QStringList lines;
    rows.reserve(edits.size());
    lines.reserve(static_cast<qsizetype>(edits.size()));
    bool turned = false;
    const QStringList shown = Forces->lines();
    // One string takes each rewritten line in turn: thirty thousand moved ships cost no string
    // each beyond the line kept.
    std::u16string after;
    for (const ShipEdit& edit : edits) {
        if (edit.row < 0 || edit.row >= shown.size()) {
            continue;
        }
        const QString& before = shown.at(edit.row);
        if (!WithShipChange(Utf16View(before), edit.change, after) || after == Utf16View(before)) {
            continue;
        }
        rows.push_back(edit.row);
        lines.push_back(QString::fromUtf16(after.data(), static_cast<qsizetype>(after.size())));
        turned = turned || edit.change.heading;
    }
    if (rows.empty()) {
        return;
    }
    // One drag, or one run of key presses, is one step.
    if (gesture != mapGesture_) {
        mapGesture_ = gesture;
        mapMergeKey_ = history_->newMergeKey();
    }
    const bool many = edits.size() > 1;
    const QString name = turned
                             ? (many ? QStringLiteral("Turn Ships") : QStringLiteral("Turn Ship"))
                             : (many ? QStringLiteral("Move Ships") : QStringLiteral("Move Ship"));
    history_->record(
        name, [this, &rows, &lines] { Forces->replaceEach(rows, lines); }, mapMergeKey_);
}

void frmMain::showLoadedLine(int first, int last) {
    // Edit Ship would otherwise write the old position back.
    bool loaded = false;
    const int row = EditShip->property("Tag").toString().toInt(&loaded);
    if (!EditShip->isEnabled() || !loaded || row < first || row > last) {
        return;
    }
    const ForceEntry entry = ForceEntryFromLine(ToCore(Forces->line(row)));
    X->setText(FromCore(entry.x));
    Y->setText(FromCore(entry.y));
    heading->setText(FromCore(entry.heading));
}

} // namespace forgeline
