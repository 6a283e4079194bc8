#include "ScriptedDialogs.h"
#include "TestFolder.h"
#include "editor/window/frmMain.h"
#include "files/FolderToolchain.h"
#include "map/window/TacticalMap.h"
#include "play/window/frmPlay.h"
#include "random/window/frmRandom.h"

#include <QAccessible>
#include <QtTest>

using namespace forgeline;

class AccessibleNamesTest : public QObject {
    Q_OBJECT

  private slots:
    void everyControlIsNamedForScreenReaders();
};

void AccessibleNamesTest::everyControlIsNamedForScreenReaders() {
    testing::TestFolder folder;
    testing::ScriptedDialogs dialogs;
    FolderToolchain toolchain(folder.path());
    const Services services{folder.path(), &toolchain, &dialogs, {}};
    frmMain editor(services);
    frmPlay browser(services);
    frmRandom generator(services);
    TacticalMap map;

    for (QWidget* window : std::initializer_list<QWidget*>{&editor, &browser, &generator, &map}) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (control->focusPolicy() == Qt::NoFocus || !control->isVisibleTo(window) ||
                control->focusProxy() != nullptr) {
                continue;
            }
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
            QVERIFY(spoken != nullptr);
            QVERIFY2(!spoken->text(QAccessible::Name).isEmpty(),
                     qPrintable(window->objectName() + QLatin1Char('/') + control->objectName()));
        }
    }
    const struct {
        QWidget* window;
        const char* control;
        const char* name;
    } rows[] = {{&editor, "SCE", "Scenario Title"},
                {&editor, "X", "X Coord"},
                {&editor, "playcomp", "Controller"},
                {&browser, "Scenarios", "Select Scenario"},
                {&generator, "MinFRanX", "Friendly Range X Min #"},
                {&generator, "MaxNat", "Enemy Nations Max #"}};
    for (const auto& row : rows) {
        auto* control = row.window->findChild<QWidget*>(QLatin1String(row.control));
        QVERIFY(control != nullptr);
        QCOMPARE(control->accessibleName(), QString::fromLatin1(row.name));
    }
}

QTEST_MAIN(AccessibleNamesTest)
#include "AccessibleNamesTest.moc"
