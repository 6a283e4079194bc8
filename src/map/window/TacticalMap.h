#pragma once

#include "map/GroupEdits.h"
#include "map/ShipsReadAgain.h"

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QLabel;

namespace forgeline {

class MapView;

// A map of force lines: where each ship starts, where it heads, who commands it. A viewer
// unless made editable, when it reports moves and turns for the owner of the lines to apply.
class TacticalMap : public QWidget {
    Q_OBJECT

  public:
    explicit TacticalMap(QWidget* parent = nullptr);

    // Shows the lines anew, fitting the view to them.
    void showLines(const QStringList& lines, std::vector<int> selection);
    // Many lines changed in place; the user's zoom and pan stay.
    void refreshLines(const QStringList& lines);
    // One line changed in place; the user's zoom and pan stay.
    void showLine(int row, const QString& line);
    // Moves the highlight only; the user's zoom and pan stay.
    void setSelection(std::vector<int> rows);
    void setEditable(bool editable);

  signals:
    void lineClicked(int row);
    // The lines picked on the map (Ctrl+click, a rectangle, Ctrl+A), ascending.
    void linesPicked(const std::vector<int>& rows);
    void shipsChanged(const std::vector<forgeline::ShipEdit>& edits, int gesture);
    void commandRequested(const forgeline::FleetRequest& request);

  private:
    QWidget* buildLegend();
    void showNotShown();
    void describe();
    // The ships of the lines, taking those of lines read before from that reading; the lines
    // become the current reading's.
    MapShips readAgain(const QStringList& lines);
    // The ships the view showed until the lines just read become the reading before.
    void keepReading(std::vector<MapShip> replaced);

    MapView* view_ = nullptr;
    QLabel* note_ = nullptr;
    QCheckBox* snap_ = nullptr;
    // The lines shown, and the reading before, kept so that an undo finds its ships read.
    QStringList lines_;
    QStringList earlierLines_;
    std::vector<MapShip> earlierShips_;
    // Storage kept from one reading to the next: thirty thousand ships fill megabytes, and
    // memory the program takes anew costs a fault of the system's on each of its pages.
    std::vector<MapShip> spareShips_;
    std::vector<std::u16string_view> views_;
    std::vector<LineSource> sources_;
    // While the owner of the lines applies the map's own edits.
    const std::vector<ShipEdit>* ownEdits_ = nullptr;
    std::vector<int> selection_;
    int notShown_ = 0;
};

} // namespace forgeline
