// Ships copied, cut, pasted, duplicated and deleted, in `Forces` and on the map.
#include "editor/ForceClipboard.h"
#include "editor/window/EditorHistory.h"
#include "editor/window/frmMain.h"
#include "map/window/FleetKeys.h"
#include "ui/LineList.h"
#include "ui/Text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <numeric>

namespace forgeline {

bool frmMain::forcesKey(QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) {
        return false;
    }
    const std::optional<FleetCommand> command = FleetCommandOfKey(static_cast<QKeyEvent*>(event));
    if (!command) {
        return false;
    }
    // These keys are the list's here, Ctrl+A too, which the menu gives the browser elsewhere.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    runFleetCommand({*command, std::nullopt, 0});
    return true;
}

void frmMain::runFleetCommand(const FleetRequest& request) {
    switch (request.command) {
    case FleetCommand::SelectAll: {
        std::vector<int> rows(static_cast<std::size_t>(Forces->count()));
        std::iota(rows.begin(), rows.end(), 0);
        Forces->selectRows(rows);
        break;
    }
    case FleetCommand::Copy:
        copySelection();
        break;
    case FleetCommand::Cut:
        copySelection();
        removeSelection(QStringLiteral("Cut Ships"));
        break;
    case FleetCommand::Paste: {
        Result<std::vector<std::string>> pasted =
            ForceLinesFromClipboard(ToCore(QGuiApplication::clipboard()->text()));
        if (!pasted) {
            inform(pasted.failure().description);
            break;
        }
        std::vector<std::string> lines = std::move(*pasted);
        if (request.cursor) {
            const MapPoint offset = OffsetToCentre(lines, *request.cursor);
            for (std::string& line : lines) {
                line = ShiftedLine(line, offset.x, offset.y);
            }
        }
        insertLines(std::move(lines), QStringLiteral("Paste Ships"));
        break;
    }
    case FleetCommand::Duplicate: {
        const double step =
            request.gridStep > 0 ? request.gridStep : OpeningGridStep(ToCore(Forces->lines()));
        std::vector<std::string> lines;
        for (const int row : Forces->selectedRows()) {
            lines.push_back(ShiftedLine(ToCore(Forces->line(row)), step, 0));
        }
        insertLines(std::move(lines), QStringLiteral("Duplicate Ships"));
        break;
    }
    case FleetCommand::Delete:
        removeSelection(QStringLiteral("Delete Ships"));
        break;
    }
}

void frmMain::copySelection() {
    std::vector<std::string> lines;
    for (const int row : Forces->selectedRows()) {
        lines.push_back(ToCore(Forces->line(row)));
    }
    if (!lines.empty()) {
        QGuiApplication::clipboard()->setText(FromCore(ClipboardText(lines)));
    }
}

void frmMain::removeSelection(const QString& name) {
    const std::vector<int> rows = Forces->selectedRows();
    history_->record(name, [this, &rows] {
        if (!rows.empty()) {
            QStringList kept;
            for (int row = rows.front(), next = 0; row <= rows.back(); ++row) {
                if (rows[static_cast<std::size_t>(next)] == row) {
                    ++next;
                } else {
                    kept.push_back(Forces->line(row));
                }
            }
            Forces->replaceLines(rows.front(), rows.back() - rows.front() + 1, kept);
        }
        setShipButtonsEnabled(false);
        refreshShipCount();
    });
}

void frmMain::insertLines(std::vector<std::string> lines, const QString& name) {
    if (lines.empty()) {
        return;
    }
    const std::vector<int> selected = Forces->selectedRows();
    const int at = selected.empty() ? Forces->count() : selected.back() + 1;
    const QStringList shown = Forces->lines();
    const QStringList named = FromCore(WithFreeNames(Utf16Views(shown), std::move(lines)));
    history_->record(name, [this, at, &named] {
        Forces->replaceLines(at, 0, named);
        std::vector<int> rows(static_cast<std::size_t>(named.size()));
        std::iota(rows.begin(), rows.end(), at);
        Forces->selectRows(rows);
        refreshShipCount();
    });
}

} // namespace forgeline
