#include "EditorWindow.h"

#include <QApplication>

using namespace forgeline;
using namespace forgeline::testing;

namespace {

const QString Hornet = QStringLiteral("Federation Destroyer Hornet 0 0 90 2 <player> ()");
const QString Korg = QStringLiteral("Klingon BC Korg 1500 -200 270 3 <internal> ()");
const QString Vex = QStringLiteral("Orion Raider Vex -5 1.5 720 0 <internal> ()");

const QStringList KlingonClasses = {"Escort", "Frigate", "BC", "Dreadnought", "Outpost"};
const QStringList FederationClasses = {"Interceptor", "Destroyer", "HC",      "Dreadnought",
                                       "Tug",         "Tanker",    "Starbase"};

// The entry fields as one line of text, in force line order.
QString entryFields(const EditorWindow& editor) {
    QStringList fields = {editor.list("Nation")->currentText(), editor.list("ship")->currentText()};
    for (const char* name : {"shipname", "X", "Y", "heading", "warp"}) {
        fields << editor.box(name)->text();
    }
    fields << editor.list("playcomp")->currentText();
    return fields.join(QLatin1Char(' '));
}

bool shipButtonsEnabled(const EditorWindow& editor) {
    const bool remove = editor.button("RemShip")->isEnabled();
    if (remove != editor.button("EditShip")->isEnabled()) {
        qFatal("the ship buttons disagree");
    }
    return remove;
}

void addThreeShips(const EditorWindow& editor) {
    for (const QString& line : {Hornet, Korg, Vex}) {
        editor.addShip(line);
    }
}

} // namespace

class frmMainForcesTest : public QObject {
    Q_OBJECT

  private slots:
    void addShipChecksTheNameFirstThenTheEntry();
    void selectingALineFillsTheEntryFields();
    void selectingAShortLineLeavesItsMissingFieldsEmpty();
    void editShipReplacesTheLineInPlace();
    void editShipAfterTheListWasEmptiedTouchesNothing();
    void removeAndResetForces();
    void clickingThePlaceholderNameEmptiesIt();
};

void frmMainForcesTest::addShipChecksTheNameFirstThenTheEntry() {
    EditorWindow editor;
    editor.press("AddShip");
    QCOMPARE(editor.dialogs.shown, QStringList({"Complete the ship information please."}));
    QCOMPARE(editor.forces()->count(), 0);

    editor.choose("Nation", "Klingon");
    QCOMPARE(editor.items("ship"), KlingonClasses);
    QCOMPARE(editor.list("ship")->currentIndex(), -1);
    editor.choose("ship", "BC");
    editor.choose("playcomp", "<internal>");
    editor.press("AddShip");
    QCOMPARE(editor.forces()->lines(), QStringList({"Klingon BC Name 0 0 0 0 <internal> ()"}));
    QCOMPARE(editor.box("shipCount")->text(), QStringLiteral("1"));

    // A taken name is refused before the entry is looked at, and the count stays as it was.
    editor.dialogs.shown.clear();
    editor.box("shipCount")->setText(QStringLiteral("stale"));
    editor.choose("Nation", "Federation");
    QCOMPARE(editor.items("ship"), FederationClasses);
    editor.press("AddShip");
    QCOMPARE(editor.dialogs.shown, QStringList({"Ship name already taken."}));
    QCOMPARE(editor.box("shipCount")->text(), QStringLiteral("stale"));

    // An incomplete entry refreshes the count.
    editor.box("shipname")->setText(QStringLiteral("name"));
    editor.press("AddShip");
    QCOMPARE(editor.dialogs.shown.last(), QStringLiteral("Complete the ship information please."));
    QCOMPARE(editor.box("shipCount")->text(), QStringLiteral("1"));

    // The fields stay filled: a second ship needs only a new name.
    editor.choose("ship", "Tug");
    editor.box("X")->setText(QStringLiteral("-7"));
    editor.press("AddShip");
    editor.box("shipname")->setText(QStringLiteral("Towline"));
    editor.press("AddShip");
    QCOMPARE(editor.forces()->lines(),
             QStringList({"Klingon BC Name 0 0 0 0 <internal> ()",
                          "Federation Tug name -7 0 0 0 <internal> ()",
                          "Federation Tug Towline -7 0 0 0 <internal> ()"}));
    QCOMPARE(editor.box("shipCount")->text(), QStringLiteral("3"));
    QCOMPARE(editor.dialogs.shown.size(), 2);
    QCOMPARE(editor.forces()->selectedRow(), -1);
    QVERIFY(!shipButtonsEnabled(editor));
}

void frmMainForcesTest::selectingALineFillsTheEntryFields() {
    EditorWindow editor;
    addThreeShips(editor);
    editor.clickLine(0);
    QCOMPARE(entryFields(editor), QStringLiteral("Federation Destroyer Hornet 0 0 90 2 <player>"));
    QCOMPARE(editor.list("Nation")->currentIndex(), 0);
    QCOMPARE(editor.items("ship"), FederationClasses);
    QCOMPARE(editor.list("ship")->currentIndex(), 1);
    QCOMPARE(editor.list("playcomp")->currentIndex(), 0);
    QVERIFY(shipButtonsEnabled(editor));
    QCOMPARE(editor.button("EditShip")->property("Tag").toString(), QStringLiteral("0"));

    // A Klingon line after a Federation one refills the class list.
    editor.clickLine(1);
    QCOMPARE(entryFields(editor), QStringLiteral("Klingon BC Korg 1500 -200 270 3 <internal>"));
    QCOMPARE(editor.items("ship"), KlingonClasses);
    QCOMPARE(editor.list("ship")->currentIndex(), 2);
    QCOMPARE(editor.button("EditShip")->property("Tag").toString(), QStringLiteral("1"));

    // The keyboard selects as the mouse does.
    QTest::keyClick(editor.forces(), Qt::Key_Down);
    QCOMPARE(entryFields(editor), QStringLiteral("Orion Raider Vex -5 1.5 720 0 <internal>"));
    QCOMPARE(editor.button("EditShip")->property("Tag").toString(), QStringLiteral("2"));

    // A nation chosen again is still a choice: after Reset emptied the class list, a second
    // Orion line fills it again.
    const QStringList lines = editor.forces()->lines();
    editor.press("reset");
    QCOMPARE(editor.list("ship")->count(), 0);
    editor.forces()->appendAll(lines);
    editor.clickLine(2);
    QCOMPARE(editor.list("Nation")->currentText(), QStringLiteral("Orion"));
    QCOMPARE(editor.list("ship")->count(), 6);
    QCOMPARE(editor.list("ship")->currentText(), QStringLiteral("Raider"));
    QCOMPARE(editor.list("ship")->currentIndex(), 1);

    // A nation picked with the keyboard fills the classes too.
    editor.list("Nation")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(editor.list("Nation")->currentText(), QStringLiteral("Romulan"));
    QCOMPARE(editor.items("ship"), QStringList({"WE", "BP", "Frigate"}));
}

void frmMainForcesTest::selectingAShortLineLeavesItsMissingFieldsEmpty() {
    EditorWindow editor;
    editor.addShip(Korg);
    editor.forces()->append(QStringLiteral("Romulan WE Tal"));
    editor.forces()->append(QStringLiteral("Klingon  BC Kang 1 2 3 4 <player> ()"));
    editor.clickLine(1);
    // Nothing matches the missing marker, so the controller keeps its choice; each emptied
    // number box took the focus in turn and was filled as the focus moved on.
    QCOMPARE(entryFields(editor), QStringLiteral("Romulan WE Tal 0 0 0  <internal>"));
    QCOMPARE(editor.list("ship")->currentIndex(), 0);
    QCOMPARE(QApplication::focusWidget(), editor.box("warp"));
    QVERIFY(shipButtonsEnabled(editor));

    // A doubled space shifts every field after it; nothing breaks.
    editor.clickLine(2);
    QCOMPARE(editor.list("Nation")->currentText(), QStringLiteral("Klingon"));
    QCOMPARE(editor.list("ship")->currentText(), QString());
    QCOMPARE(editor.list("ship")->currentIndex(), -1);
    QCOMPARE(editor.box("shipname")->text(), QStringLiteral("BC"));
    QCOMPARE(editor.box("X")->text(), QStringLiteral("0"));
    QCOMPARE(editor.box("warp")->text(), QStringLiteral("3"));
    QCOMPARE(editor.list("playcomp")->currentText(), QStringLiteral("<internal>"));
    QCOMPARE(editor.forces()->count(), 3);
}

void frmMainForcesTest::editShipReplacesTheLineInPlace() {
    EditorWindow editor;
    addThreeShips(editor);

    editor.clickLine(1);
    editor.box("shipname")->setText(QStringLiteral("Kor"));
    editor.box("heading")->setText(QStringLiteral("-90"));
    editor.press("EditShip");
    QCOMPARE(editor.forces()->lines(),
             QStringList({Hornet, "Klingon BC Kor 1500 -200 -90 3 <internal> ()", Vex}));
    QCOMPARE(editor.forces()->selectedRow(), -1);
    QVERIFY(!shipButtonsEnabled(editor));
    QCOMPARE(editor.box("shipCount")->text(), QStringLiteral("3"));
    QVERIFY(editor.dialogs.shown.isEmpty());

    // The edited ship may keep its own name, but not take another's.
    editor.clickLine(2);
    editor.press("EditShip");
    QCOMPARE(editor.forces()->line(2), Vex);
    QVERIFY(editor.dialogs.shown.isEmpty());
    editor.clickLine(2);
    editor.box("shipname")->setText(QStringLiteral("Hornet"));
    editor.press("EditShip");
    QCOMPARE(editor.dialogs.shown, QStringList({"Ship name already taken."}));
    QCOMPARE(editor.forces()->line(2), Vex);
    QVERIFY(!shipButtonsEnabled(editor));

    // An incomplete entry changes nothing and still ends the edit.
    editor.clickLine(0);
    editor.choose("Nation", "Romulan");
    editor.press("EditShip");
    QCOMPARE(editor.dialogs.shown.last(), QStringLiteral("Complete the ship information please."));
    QCOMPARE(editor.forces()->line(0), Hornet);
    QVERIFY(!shipButtonsEnabled(editor));
}

void frmMainForcesTest::editShipAfterTheListWasEmptiedTouchesNothing() {
    EditorWindow editor;
    addThreeShips(editor);
    editor.clickLine(2);
    editor.press("reset");
    // Reset leaves the buttons as they were.
    QVERIFY(shipButtonsEnabled(editor));
    editor.addShip("Klingon Escort Kang 1 1 1 1 <player>");
    editor.addShip("Klingon Escort Kor 2 2 2 2 <player>");
    const QStringList before = editor.forces()->lines();

    editor.box("shipname")->setText(QStringLiteral("Koloth"));
    editor.press("EditShip");
    QCOMPARE(editor.forces()->lines(), before);
    QVERIFY(editor.dialogs.shown.isEmpty());
    QVERIFY(!shipButtonsEnabled(editor));
}

void frmMainForcesTest::removeAndResetForces() {
    EditorWindow editor;
    addThreeShips(editor);
    editor.clickLine(1);
    editor.press("RemShip");
    QCOMPARE(editor.forces()->lines(), QStringList({Hornet, Vex}));
    QCOMPARE(editor.box("shipCount")->text(), QStringLiteral("2"));
    // No neighbour takes the removed line's place in the selection or in the fields.
    QCOMPARE(editor.forces()->selectedRow(), -1);
    QCOMPARE(entryFields(editor), QStringLiteral("Klingon BC Korg 1500 -200 270 3 <internal>"));
    QVERIFY(!shipButtonsEnabled(editor));

    // With nothing selected the button removes nothing, yet refreshes the count.
    editor.box("shipCount")->setText(QStringLiteral("stale"));
    editor.button("RemShip")->setEnabled(true);
    editor.press("RemShip");
    QCOMPARE(editor.forces()->lines(), QStringList({Hornet, Vex}));
    QCOMPARE(editor.box("shipCount")->text(), QStringLiteral("2"));
    QVERIFY(!shipButtonsEnabled(editor));

    editor.type("SCE", "Patrol");
    editor.clickLine(1);
    editor.press("reset");
    QCOMPARE(editor.forces()->count(), 0);
    QCOMPARE(editor.box("shipCount")->text(), QStringLiteral("0"));
    QCOMPARE(editor.list("ship")->count(), 0);
    QCOMPARE(entryFields(editor), QStringLiteral("Orion Ship: Name 0 0 0 0 <internal>"));
    QCOMPARE(editor.list("Nation")->currentIndex(), 3);
    QCOMPARE(editor.box("SCE")->text(), QStringLiteral("Patrol"));
    QVERIFY(shipButtonsEnabled(editor));

    editor.box("shipname")->setText(QStringLiteral("Vex"));
    editor.press("AddShip");
    QCOMPARE(editor.dialogs.shown, QStringList({"Complete the ship information please."}));
    QCOMPARE(editor.forces()->count(), 0);
}

void frmMainForcesTest::clickingThePlaceholderNameEmptiesIt() {
    EditorWindow editor;
    QLineEdit* name = editor.box("shipname");
    editor.list("ship")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), name);
    QCOMPARE(name->text(), QStringLiteral("Name"));
    QTest::mouseClick(name, Qt::LeftButton);
    QCOMPARE(name->text(), QString());

    for (const char* kept : {"name", "NAME", "Names", "Name2"}) {
        name->setText(QString::fromLatin1(kept));
        QTest::mouseClick(name, Qt::LeftButton);
        QCOMPARE(name->text(), QString::fromLatin1(kept));
    }
}

QTEST_MAIN(frmMainForcesTest)
#include "frmMainForcesTest.moc"
