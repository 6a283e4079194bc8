#pragma once

#include "map/MapEdits.h"

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
    void showLines(const QStringList& lines, int selectedRow);
    // One line changed in place; the user's zoom and pan stay.
    void showLine(int row, const QString& line);
    // Moves the highlight only; the user's zoom and pan stay.
    void setSelectedRow(int row);
    void setEditable(bool editable);

  signals:
    void lineClicked(int row);
    void shipChanged(int row, const forgeline::ShipChange& change, int gesture);

  private:
    QWidget* buildLegend();
    void showNotShown();
    void describe();

    MapView* view_ = nullptr;
    QLabel* note_ = nullptr;
    QCheckBox* snap_ = nullptr;
    QStringList lines_;
    int selectedRow_ = -1;
    int notShown_ = 0;
};

} // namespace forgeline
