#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;

namespace forgeline {

class MapView;

// A read-only map of force lines: where each ship starts, where it heads, who commands it.
class TacticalMap : public QWidget {
    Q_OBJECT

  public:
    explicit TacticalMap(QWidget* parent = nullptr);

    // Shows the lines anew, fitting the view to them.
    void showLines(const QStringList& lines, int selectedRow);
    // Moves the highlight only; the user's zoom and pan stay.
    void setSelectedRow(int row);

  signals:
    void lineClicked(int row);

  private:
    QWidget* buildLegend();

    MapView* view_ = nullptr;
    QLabel* note_ = nullptr;
};

} // namespace forgeline
