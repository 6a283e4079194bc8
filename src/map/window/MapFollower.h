#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <vector>

namespace forgeline {

class LineList;
class TacticalMap;

// Keeps the map on the force list of whichever of the program's forms is active, and on the
// editor's list when no other form is. Clicks on the map select lines of the editor's list,
// and only the editor's list may be edited on the map.
class MapFollower : public QObject {
    Q_OBJECT

  public:
    MapFollower(TacticalMap* map, LineList* editorForces);

  private:
    void followActiveWindow();
    void follow(LineList* forces);
    // The lines shown anew, fitted to the view.
    void redraw();
    // The lines shown anew where the view stands.
    void refresh();
    void redrawRows(int first, int last);
    void selectInEditor(int row);
    void pickInEditor(const std::vector<int>& rows);

    QPointer<TacticalMap> map_;
    QPointer<LineList> editorForces_;
    QPointer<LineList> followed_;
    std::vector<QMetaObject::Connection> connections_;
};

} // namespace forgeline
