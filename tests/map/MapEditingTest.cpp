#include "ScriptedDialogs.h"
#include "TestFolder.h"
#include "editor/window/frmMain.h"
#include "files/FolderToolchain.h"
#include "map/window/MapView.h"
#include "map/window/TacticalMap.h"
#include "ui/LineList.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>
#include <cmath>

using namespace forgeline;

class MapEditingTest : public QObject {
    Q_OBJECT

  private slots:
    void shipsMoveAndTurnOnTheEditorsMap();
};

namespace {

const QString Hornet = QStringLiteral("Federation Destroyer Hornet 0 0 90 2 <player> ()");
const QString Korg = QStringLiteral("Klingon BC Korg 1500 -200.5 270 3 <internal> ()");

QPoint viewPointOf(const MapView* view, double x, double y) {
    const MapPoint at = view->transform().toView({x, y});
    return {qRound(at.x), qRound(at.y)};
}

void drag(MapView* view, QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mousePress(view, Qt::LeftButton, modifiers, from);
    QTest::mouseMove(view, (from + to) / 2);
    QTest::mouseMove(view, to);
    QTest::mouseRelease(view, Qt::LeftButton, modifiers, to);
}

QString korgAt(const QString& x, const QString& y, const QString& heading = "270") {
    return "Klingon BC Korg " + x + " " + y + " " + heading + " 3 <internal> ()";
}

} // namespace

void MapEditingTest::shipsMoveAndTurnOnTheEditorsMap() {
    testing::TestFolder folder;
    testing::ScriptedDialogs dialogs;
    FolderToolchain toolchain(folder.path());
    frmMain editor({folder.path(), &toolchain, &dialogs, {}});
    editor.show();
    auto* forces = editor.findChild<LineList*>(QStringLiteral("Forces"));
    forces->appendAll({Hornet, Korg});
    editor.findChild<QAction*>(QStringLiteral("mnuMap"))->trigger();
    TacticalMap* map = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        map = map ? map : qobject_cast<TacticalMap*>(window);
    }
    QVERIFY(map != nullptr);
    auto* view = map->findChild<MapView*>(QStringLiteral("mapView"));
    auto* snap = map->findChild<QCheckBox*>(QStringLiteral("snapToGrid"));
    QVERIFY(QTest::qWaitForWindowExposed(map));
    QVERIFY(!snap->isChecked());
    auto* undo = editor.findChild<QAction*>(QStringLiteral("mnuUndo"));
    auto* redo = editor.findChild<QAction*>(QStringLiteral("mnuRedo"));
    const double scale = view->transform().scale();

    // A drag on a ship moves it in whole units; the other fields and lines stay as they were.
    const QPoint korg = viewPointOf(view, 1500, -200.5);
    QTest::mousePress(view, Qt::LeftButton, {}, korg);
    QTest::mouseMove(view, korg + QPoint(-30, -20));
    const QString moved = korgAt(QString::number(std::lround(1500 - 30 / scale)),
                                 QString::number(std::lround(-200.5 + 20 / scale)));
    QCOMPARE(forces->line(1), moved);
    QTest::mouseMove(view, korg + QPoint(-35, -25));
    QTest::mouseMove(view, korg + QPoint(-30, -20));
    QTest::mouseRelease(view, Qt::LeftButton, {}, korg + QPoint(-30, -20));
    QCOMPARE(forces->lines(), QStringList({Hornet, moved}));
    QCOMPARE(undo->text(), QStringLiteral("&Undo Move Ship"));
    // Ctrl+Z and Ctrl+Y act on the editor's history while the map has the focus.
    QVERIFY(QTest::qWaitForWindowActive(map));
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(forces->lines(), QStringList({Hornet, Korg}));
    QTest::keyClick(view, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(forces->lines(), QStringList({Hornet, moved}));

    // A drag on empty space pans and changes no line.
    const MapPoint origin = view->transform().origin();
    drag(view, viewPointOf(view, 700, 700), viewPointOf(view, 700, 700) + QPoint(25, 10));
    QCOMPARE(view->transform().origin(), (MapPoint{origin.x + 25, origin.y + 10}));
    QCOMPARE(forces->lines(), QStringList({Hornet, moved}));

    // The loaded line's handle turns it, and its entry fields follow.
    forces->selectRow(0);
    const QPoint hornet = viewPointOf(view, 0, 0);
    drag(view, hornet + QPoint(20, 0), hornet + QPoint(0, 40));
    QCOMPARE(forces->line(0), QStringLiteral("Federation Destroyer Hornet 0 0 180 2 <player> ()"));
    QCOMPARE(editor.findChild<QLineEdit*>(QStringLiteral("heading"))->text(), "180");
    undo->trigger();
    QCOMPARE(forces->line(0), Hornet);
    QCOMPARE(editor.findChild<QLineEdit*>(QStringLiteral("heading"))->text(), "90");
    redo->trigger();

    // Shift+drag on a ship turns it; snapping puts a move on the grid.
    const QPoint korgNow = viewPointOf(view, 1500 - 30 / scale, -200.5 + 20 / scale);
    drag(view, korgNow, korgNow + QPoint(-100, -100), Qt::ShiftModifier);
    QCOMPARE(forces->line(1), korgAt(moved.section(' ', 3, 3), moved.section(' ', 4, 4), "315"));
    snap->click();
    const double step = GridStep(view->transform(), view->width(), view->height());
    drag(view, hornet, hornet + QPoint(qRound(step * scale * 1.3), 0));
    QCOMPARE(forces->line(0).section(' ', 3, 4), QString::number(step) + " 0");

    // Keys move the selected ship by grid steps (Shift: one unit) and turn it by 15 degrees.
    snap->click();
    forces->selectRow(1);
    view->setFocus();
    const QString start = forces->line(1);
    const double x = start.section(' ', 3, 3).toDouble();
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_BracketRight);
    QCOMPARE(forces->line(1), korgAt(QString::number(qint64(x + 2 * step)),
                                     QString::number(start.section(' ', 4, 4).toInt() + 1), "330"));
    QVERIFY(view->accessibleDescription().startsWith(
        "Selected ship Korg at X " + forces->line(1).section(' ', 3, 3) + ", Y " +
        forces->line(1).section(' ', 4, 4) + ", heading 330. "));
    // The run of moves is one step, the turn after it another.
    undo->trigger();
    QCOMPARE(forces->line(1).section(' ', 5, 5), QStringLiteral("315"));
    undo->trigger();
    QCOMPARE(forces->line(1), start);

    // A ship dragged past the view's edge becomes the selected one, stays in sight, and the
    // view scrolls after it.
    const QPoint hornetNow = viewPointOf(view, forces->line(0).section(' ', 3, 3).toDouble(), 0);
    const double rightEdge = view->transform().toWorld({double(view->width()), 0}).x;
    QTest::mousePress(view, Qt::LeftButton, {}, hornetNow);
    QTest::mouseMove(view, hornetNow + QPoint(10, 0));
    QTest::mouseMove(view, QPoint(view->width() + 200, hornetNow.y()));
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(view->width() + 200, hornetNow.y()));
    QCOMPARE(forces->selectedRow(), 0);
    const double shipX = forces->line(0).section(' ', 3, 3).toDouble();
    QVERIFY(shipX > rightEdge);
    QVERIFY(view->rect().contains(viewPointOf(view, shipX, 0)));
}

QTEST_MAIN(MapEditingTest)
#include "MapEditingTest.moc"
