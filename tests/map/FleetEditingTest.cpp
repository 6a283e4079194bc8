#include "ScriptedDialogs.h"
#include "TestFolder.h"
#include "editor/window/frmMain.h"
#include "files/FolderToolchain.h"
#include "map/MapShips.h"
#include "map/window/MapView.h"
#include "map/window/TacticalMap.h"
#include "ui/LineList.h"
#include "ui/Text.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace forgeline;

class FleetEditingTest : public QObject {
    Q_OBJECT

  private slots:
    void shipsAreSelectedCopiedAndPastedInForces();
    void selectionsMoveAndTurnTogetherOnTheMap();
    void bigFleetsOnTheMapFollowEveryChange();
};

namespace {

const QString Hornet = QStringLiteral("Federation Destroyer Hornet 0 0 90 2 <player> ()");
const QString Korg = QStringLiteral("Klingon BC Korg 1000 0 270 3 <internal> ()");
const QString Kang = QStringLiteral("Klingon BC Kang 1000 400 0 3 <internal> ()");

struct Editor {
    testing::TestFolder folder;
    testing::ScriptedDialogs dialogs;
    FolderToolchain toolchain{folder.path()};
    frmMain window{{folder.path(), &toolchain, &dialogs, {}}};
    LineList* forces = window.findChild<LineList*>(QStringLiteral("Forces"));
    QAction* undo = window.findChild<QAction*>(QStringLiteral("mnuUndo"));

    Editor() {
        window.show();
        forces->appendAll({Hornet, Korg, Kang});
    }

    void click(int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(forces->viewport(), Qt::LeftButton, modifiers,
                          forces->visualRect(forces->model()->index(row, 0)).center());
    }

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        forces->setFocus();
        QTest::keyClick(forces, key, modifiers);
    }

    QString shipname() const {
        return window.findChild<QLineEdit*>(QStringLiteral("shipname"))->text();
    }
};

QString renamed(const QString& line, const QString& name, int dx = 0) {
    QStringList pieces = line.split(' ');
    pieces[2] = name;
    pieces[3] = QString::number(pieces[3].toInt() + dx);
    return pieces.join(' ');
}

// The editor's own map: those of editors gone before outlive them.
TacticalMap* openMap(Editor& editor) {
    const QWidgetList before = QApplication::topLevelWidgets();
    editor.window.findChild<QAction*>(QStringLiteral("mnuMap"))->trigger();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* map = qobject_cast<TacticalMap*>(window); map && !before.contains(window)) {
            return map;
        }
    }
    return nullptr;
}

QPoint viewPointOf(const MapView* view, double x, double y) {
    const MapPoint at = view->transform().toView({x, y});
    return {qRound(at.x), qRound(at.y)};
}

} // namespace

void FleetEditingTest::shipsAreSelectedCopiedAndPastedInForces() {
    Editor editor;
    // A plain click loads one line; Ctrl+click and Shift+Down add lines and load none.
    editor.click(1);
    QCOMPARE(editor.shipname(), QStringLiteral("Korg"));
    editor.window.findChild<QLineEdit*>(QStringLiteral("shipname"))->setText("Typed");
    editor.click(2, Qt::ControlModifier);
    QCOMPARE(editor.forces->selectedRows(), (std::vector<int>{1, 2}));
    QCOMPARE(editor.shipname(), QStringLiteral("Typed"));
    editor.click(0);
    editor.key(Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(editor.forces->selectedRows(), (std::vector<int>{0, 1}));

    // Copy puts the lines as a file holds them; paste numbers the names and selects the lines.
    editor.click(1);
    editor.click(2, Qt::ShiftModifier);
    editor.key(Qt::Key_C);
    QCOMPARE(QGuiApplication::clipboard()->text(), Korg + "\r\n" + Kang + "\r\n");
    editor.click(0);
    editor.key(Qt::Key_V);
    const QStringList pasted = {Hornet, renamed(Korg, "Korg2"), renamed(Kang, "Kang2"), Korg, Kang};
    QCOMPARE(editor.forces->lines(), pasted);
    QCOMPARE(editor.forces->selectedRows(), (std::vector<int>{1, 2}));
    QCOMPARE(editor.undo->text(), QStringLiteral("&Undo Paste Ships"));

    // Duplicate goes one grid step to the right, after the selection.
    editor.key(Qt::Key_D);
    QCOMPARE(editor.forces->lines().mid(3, 2),
             QStringList({renamed(Korg, "Korg3", 100), renamed(Kang, "Kang3", 100)}));
    QCOMPARE(editor.forces->selectedRows(), (std::vector<int>{3, 4}));
    // Delete and Cut remove the selection; each is one step.
    editor.key(Qt::Key_Delete, {});
    QCOMPARE(editor.forces->lines(), pasted);
    editor.key(Qt::Key_A);
    editor.key(Qt::Key_X);
    QCOMPARE(editor.forces->lines(), QStringList());
    QCOMPARE(QGuiApplication::clipboard()->text().count("\r\n"), 5);
    // Undo puts back the cut, the deleted, the duplicated, then the pasted lines.
    for (const qsizetype count : {5, 7, 5, 3}) {
        editor.undo->trigger();
        QCOMPARE(editor.forces->lines().size(), count);
    }
    QCOMPARE(editor.forces->lines(), QStringList({Hornet, Korg, Kang}));

    // Text that is no force lines pastes nothing and says which line is wrong.
    QGuiApplication::clipboard()->setText(Korg + "\r\nhello\r\n");
    editor.key(Qt::Key_V);
    QCOMPARE(editor.forces->lines(), QStringList({Hornet, Korg, Kang}));
    QCOMPARE(editor.dialogs.shown,
             QStringList({"Nothing was pasted: line 2 of the clipboard is no force line (it has 1 "
                          "field; a force line has nine)."}));
}

void FleetEditingTest::selectionsMoveAndTurnTogetherOnTheMap() {
    Editor editor;
    TacticalMap* map = openMap(editor);
    auto* view = map->findChild<MapView*>(QStringLiteral("mapView"));
    QVERIFY(QTest::qWaitForWindowExposed(map));
    view->setFocus();

    // Ctrl+click picks ships, and the map names them with their distance and bearing.
    QTest::mouseClick(view, Qt::LeftButton, Qt::ControlModifier, viewPointOf(view, 1000, 0));
    QTest::mouseClick(view, Qt::LeftButton, Qt::ControlModifier, viewPointOf(view, 1000, 400));
    QCOMPARE(editor.forces->selectedRows(), (std::vector<int>{1, 2}));
    QVERIFY(
        view->accessibleDescription().startsWith("2 ships selected, Distance 400, bearing 0. "));

    // A drag on one moves both, one step of the history.
    const QPoint korg = viewPointOf(view, 1000, 0);
    const double scale = view->transform().scale();
    QTest::mousePress(view, Qt::LeftButton, {}, korg);
    QTest::mouseMove(view, korg + QPoint(-20, 0));
    QTest::mouseMove(view, korg + QPoint(-40, 0));
    QTest::mouseRelease(view, Qt::LeftButton, {}, korg + QPoint(-40, 0));
    const int moved = qRound(1000 - 40 / scale);
    QCOMPARE(editor.forces->lines(), QStringList({Hornet, renamed(Korg, "Korg", moved - 1000),
                                                  renamed(Kang, "Kang", moved - 1000)}));
    QCOMPARE(editor.undo->text(), QStringLiteral("&Undo Move Ships"));
    editor.undo->trigger();
    QCOMPARE(editor.forces->lines(), QStringList({Hornet, Korg, Kang}));
    QCOMPARE(editor.forces->selectedRows(), (std::vector<int>{1, 2}));

    // Shift+] turns the pair about its centre, ] each ship in place.
    QTest::keyClick(view, Qt::Key_BracketRight, Qt::ShiftModifier);
    QCOMPARE(editor.forces->lines().mid(1),
             QStringList({"Klingon BC Korg 948 7 285 3 <internal> ()",
                          "Klingon BC Kang 1052 393 15 3 <internal> ()"}));
    QTest::keyClick(view, Qt::Key_BracketRight);
    QCOMPARE(editor.forces->line(2), QStringLiteral("Klingon BC Kang 1052 393 30 3 <internal> ()"));
    editor.undo->trigger();
    editor.undo->trigger();
    QCOMPARE(editor.forces->lines(), QStringList({Hornet, Korg, Kang}));

    // Shift+Home fits the view to the selection, Home to every ship.
    const MapTransform all = view->transform();
    QTest::keyClick(view, Qt::Key_Home, Qt::ShiftModifier);
    QVERIFY(view->transform().scale() > all.scale());
    QTest::keyClick(view, Qt::Key_Home);
    QCOMPARE(view->transform().scale(), all.scale());

    // A Shift+drag on empty space picks the ships inside; Ctrl+A every line.
    QTest::mousePress(view, Qt::LeftButton, Qt::ShiftModifier, viewPointOf(view, -100, 100));
    QTest::mouseMove(view, viewPointOf(view, 500, -100));
    QTest::mouseMove(view, viewPointOf(view, 1100, -100));
    QTest::mouseRelease(view, Qt::LeftButton, Qt::ShiftModifier, viewPointOf(view, 1100, -100));
    QCOMPARE(editor.forces->selectedRows(), (std::vector<int>{0, 1}));
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(editor.forces->selectedRows(), (std::vector<int>{0, 1, 2}));
    QVERIFY(view->accessibleDescription().startsWith("3 ships selected. "));

    // Moving every ship and undoing it, like pasting, leaves the view where the user put it.
    QTest::keyClick(view, Qt::Key_Minus);
    const MapTransform zoomed = view->transform();
    QTest::keyClick(view, Qt::Key_Right);
    editor.undo->trigger();
    QCOMPARE(editor.forces->lines(), QStringList({Hornet, Korg, Kang}));
    QCOMPARE(view->transform().scale(), zoomed.scale());
    QCOMPARE(view->transform().origin(), zoomed.origin());

    // Ctrl+V over the map centres the pasted ships under the cursor.
    QGuiApplication::clipboard()->setText(Korg + "\r\n" + Kang + "\r\n");
    const QPoint cursor = viewPointOf(view, 0, 600);
    const MapPoint under = view->transform().toWorld({double(cursor.x()), double(cursor.y())});
    QTest::mouseMove(view, cursor);
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(view->transform().origin(), zoomed.origin());
    const int x = qRound(under.x);
    const int y = qRound(under.y);
    QCOMPARE(
        editor.forces->lines().mid(3),
        QStringList({QString("Klingon BC Korg2 %1 %2 270 3 <internal> ()").arg(x).arg(y - 200),
                     QString("Klingon BC Kang2 %1 %2 0 3 <internal> ()").arg(x).arg(y + 200)}));
}

void FleetEditingTest::bigFleetsOnTheMapFollowEveryChange() {
    // Enough ships that the map reads the list again rather than line by line, and one line it
    // cannot show.
    Editor editor;
    QStringList fleet;
    for (int i = 0; i < 100; ++i) {
        fleet.push_back(QString("Klingon BC K%1 %2 %3 %4 3 <internal> ()")
                            .arg(i)
                            .arg(i * 10)
                            .arg(i * 7 % 500)
                            .arg(i * 11 % 360));
    }
    fleet[50] = QStringLiteral("Klingon BC Bad x 0 0 3 <internal> ()");
    editor.forces->appendAll(fleet);
    TacticalMap* map = openMap(editor);
    auto* view = map->findChild<MapView*>(QStringLiteral("mapView"));
    auto* note = map->findChild<QLabel*>(QStringLiteral("notShown"));
    QVERIFY(QTest::qWaitForWindowExposed(map));
    view->setFocus();
    const auto expectShown = [&](const char* after) {
        const MapShips read = ShipsForMap(Utf16Views(editor.forces->lines()));
        QVERIFY2(view->ships() == read.ships, after);
        QCOMPARE(note->text(), QStringLiteral("1 ship not shown"));
    };
    const QStringList opened = editor.forces->lines();
    QAction* redo = editor.window.findChild<QAction*>(QStringLiteral("mnuRedo"));

    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    const double step = GridStep(view->transform(), view->width(), view->height());
    QTest::keyClick(view, Qt::Key_Right);
    // Every ship moves, those after the line not shown too.
    QCOMPARE(editor.forces->line(102).section(' ', 3, 3), QString::number(990 + qRound(step)));
    expectShown("a move");
    QTest::keyClick(view, Qt::Key_Up, Qt::ShiftModifier);
    expectShown("a second move");
    QTest::keyClick(view, Qt::Key_BracketRight);
    expectShown("a turn");
    editor.undo->trigger();
    expectShown("the undo of the turn");
    editor.undo->trigger();
    QCOMPARE(editor.forces->lines(), opened);
    expectShown("the undo of the moves");
    redo->trigger();
    expectShown("the redo of the moves");
    QTest::keyClick(view, Qt::Key_Delete);
    QCOMPARE(editor.forces->lines().size(), 0);
    editor.undo->trigger();
    expectShown("the undo of a delete");
    editor.undo->trigger();
    QCOMPARE(editor.forces->lines(), opened);
    expectShown("the undo of the redone moves");
}

QTEST_MAIN(FleetEditingTest)
#include "FleetEditingTest.moc"
