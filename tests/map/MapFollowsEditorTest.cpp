#include "ScriptedDialogs.h"
#include "TestFolder.h"
#include "editor/window/frmMain.h"
#include "files/FolderToolchain.h"
#include "map/window/MapView.h"
#include "map/window/TacticalMap.h"
#include "random/window/frmRandom.h"
#include "ui/LineList.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace forgeline;

class MapFollowsEditorTest : public QObject {
    Q_OBJECT

  private slots:
    void mapFollowsTheFormInFront();
};

namespace {

TacticalMap* openMap(frmMain& editor) {
    editor.findChild<QAction*>(QStringLiteral("mnuMap"))->trigger();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* map = qobject_cast<TacticalMap*>(window)) {
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

void MapFollowsEditorTest::mapFollowsTheFormInFront() {
    testing::TestFolder folder;
    testing::ScriptedDialogs dialogs;
    FolderToolchain toolchain(folder.path());
    frmMain editor({folder.path(), &toolchain, &dialogs, {}});
    editor.show();
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    auto* forces = editor.findChild<LineList*>(QStringLiteral("Forces"));
    forces->append(QStringLiteral("Federation Destroyer Hornet 0 0 90 2 <player> ()"));

    TacticalMap* map = openMap(editor);
    QVERIFY(map != nullptr);
    QCOMPARE(openMap(editor), map);
    auto* note = map->findChild<QLabel*>(QStringLiteral("notShown"));
    auto* view = map->findChild<MapView*>(QStringLiteral("mapView"));

    // Every change of the editor's list shows on the map at once.
    forces->append(QStringLiteral("Klingon BC Korg 1500 -200 270 3 <internal> ()"));
    forces->append(QStringLiteral("Romulan WE Talon - 0 0 1 <internal> ()"));
    QCOMPARE(note->text(), QStringLiteral("1 ship not shown"));
    forces->remove(2);
    QCOMPARE(note->text(), QString());

    // A click on a ship in the map selects its line as a click in the list would.
    QTest::mouseClick(view, Qt::LeftButton, {}, viewPointOf(view, 1500, -200));
    QCOMPARE(forces->selectedRow(), 1);
    QCOMPARE(editor.findChild<QLineEdit*>(QStringLiteral("shipname"))->text(),
             QStringLiteral("Korg"));

    // The generator in front puts its fleet on the map; closing it hands the map back.
    editor.findChild<QAction*>(QStringLiteral("mnuRandom"))->trigger();
    frmRandom* generator = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        generator = generator ? generator : qobject_cast<frmRandom*>(window);
    }
    QVERIFY(generator != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(generator));
    auto* proposal = generator->findChild<LineList*>(QStringLiteral("Forces"));
    const QStringList proposed = {QStringLiteral("Orion Raider Blade x 600 45 1 <internal> ()"),
                                  QStringLiteral("Orion Raider Axe 0 600 45 1 <internal> ()")};
    proposal->appendAll(proposed);
    QCOMPARE(note->text(), QStringLiteral("1 ship not shown"));
    // Nothing on the generator's map can be moved, so there is nothing to snap.
    QVERIFY(map->findChild<QCheckBox*>(QStringLiteral("snapToGrid"))->isHidden());

    // The ship selected in its list, not the editor's, is the one the map names.
    proposal->selectRow(0);
    QVERIFY(view->accessibleDescription().startsWith("Selected ship Blade at X x,"));

    // Its lines are a proposal: a drag on one of its ships pans, and keys turn nothing.
    proposal->selectRow(1);
    const QPoint axe = viewPointOf(view, 0, 600);
    QTest::mousePress(view, Qt::LeftButton, Qt::ShiftModifier, axe);
    QTest::mouseMove(view, axe + QPoint(30, 30));
    QTest::mouseRelease(view, Qt::LeftButton, Qt::ShiftModifier, axe + QPoint(30, 30));
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_BracketLeft);
    QCOMPARE(proposal->lines(), proposed);
    QCOMPARE(viewPointOf(view, 0, 600), axe + QPoint(30, 30));
    // Its list replaced whole shows too; a click on its ship selects nothing in the editor.
    proposal->setLines({QStringLiteral("Orion Raider Blade 600 600 45 1 <internal> ()"),
                        QStringLiteral("Klingon BC Kang x 0 0 1 <internal> ()"),
                        QStringLiteral("Romulan WE Talon - 0 0 1 <internal> ()")});
    QCOMPARE(note->text(), QStringLiteral("2 ships not shown"));
    QTest::mouseClick(view, Qt::LeftButton, {}, viewPointOf(view, 600, 600));
    QCOMPARE(forces->selectedRow(), 1);
    generator->close();
    QTRY_COMPARE(note->text(), QString());
}

QTEST_MAIN(MapFollowsEditorTest)
#include "MapFollowsEditorTest.moc"
