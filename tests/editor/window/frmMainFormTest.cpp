#include "EditorWindow.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTimer>

using namespace forgeline;
using namespace forgeline::testing;

namespace {

// The named control that holds the focus (a drop-down list's focus may sit in its text part).
QString focusedControl() {
    for (QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget()) {
        if (!widget->objectName().isEmpty() &&
            !widget->objectName().startsWith(QLatin1String("qt_"))) {
            return widget->objectName();
        }
    }
    return {};
}

} // namespace

class frmMainFormTest : public QObject {
    Q_OBJECT

  private slots:
    void controlsStartAsDesigned();
    void tabWalksTheControlsInOrder();
    void menusCarryTheirItemsAndKeys();
    void textBoxesGuardWhatIsTyped();
    void numberBoxesKeepNumbers();
    void pastedTextCannotBreakALine();
    void menuShortcutsWorkFromEveryKindOfBox();
};

void frmMainFormTest::controlsStartAsDesigned() {
    EditorWindow editor;
    QCOMPARE(editor.window.windowTitle(), QStringLiteral("Halvex Forgeline v1.1"));
    const QWidget* client = editor.window.centralWidget();
    QCOMPARE(client->size(), QSize(TwipsToPixelsX(client, 8430), TwipsToPixelsY(client, 3975)));

    struct Row {
        const char* name;
        const char* kind;
        const char* text;
        QRect twips;
        bool enabled;
    };
    const Row rows[] = {
        {"SCE", "QLineEdit", "", {120, 360, 1815, 285}, true},
        {"lbl1", "QLabel", "Scenario Title:", {120, 120, 1095, 255}, true},
        {"Label1", "QLabel", "Scenario Summary:", {120, 720, 1815, 255}, true},
        {"Summary", "QLineEdit", "", {120, 960, 3495, 285}, true},
        {"Label2", "QLabel", "Description:", {120, 1320, 975, 255}, true},
        {"Description", "QPlainTextEdit", "", {120, 1560, 3495, 1095}, true},
        {"Label3", "QLabel", "Objective:", {120, 2760, 855, 255}, true},
        {"Objective", "QPlainTextEdit", "", {120, 3000, 3495, 495}, true},
        {"Nation", "QComboBox", "Nation:", {3840, 2280, 1095, 315}, true},
        {"ship", "QComboBox", "Ship:", {5040, 2280, 1095, 315}, true},
        {"shipname", "QLineEdit", "Name", {6240, 2280, 1935, 285}, true},
        {"Label4", "QLabel", "Forces:", {3840, 120, 615, 255}, true},
        {"X", "QLineEdit", "0", {3840, 2880, 855, 285}, true},
        {"Y", "QLineEdit", "0", {4800, 2880, 855, 285}, true},
        {"Label5", "QLabel", "X Coord:", {3840, 2640, 735, 255}, true},
        {"Label6", "QLabel", "Y Coord:", {4800, 2640, 735, 255}, true},
        {"heading", "QLineEdit", "0", {5760, 2880, 615, 285}, true},
        {"Label7", "QLabel", "Heading:", {5760, 2640, 855, 255}, true},
        {"warp", "QLineEdit", "0", {6480, 2880, 495, 285}, true},
        {"Label8", "QLabel", "Warp:", {6480, 2640, 615, 255}, true},
        {"playcomp", "QComboBox", "", {7080, 2880, 1095, 315}, true},
        {"AddShip", "QPushButton", "Add Ship to Forces", {3840, 3240, 2175, 255}, true},
        {"Forces", "forgeline::LineList", "", {3840, 360, 4455, 1815}, true},
        {"RemShip", "QPushButton", "Remove Ship from Forces", {6120, 3240, 2055, 255}, false},
        {"reset", "QPushButton", "Reset Forces", {3840, 3600, 2175, 255}, true},
        {"EditShip", "QPushButton", "Edit Ship", {6120, 3600, 2055, 255}, false},
        {"Compile", "QPushButton", "Compile Scenario", {120, 3600, 3495, 255}, true},
        {"shipCount", "QLineEdit", "0", {7920, 120, 375, 285}, true},
        {"Label9", "QLabel", "Ship Count:", {7080, 120, 855, 255}, true},
    };
    for (const Row& row : rows) {
        const auto* control = editor.find<QWidget>(row.name);
        QVERIFY2(control->inherits(row.kind), row.name);
        QString text;
        if (auto* line = qobject_cast<const QLineEdit*>(control)) {
            text = line->text();
        } else if (auto* label = qobject_cast<const QLabel*>(control)) {
            text = label->text();
        } else if (auto* plain = qobject_cast<const QPlainTextEdit*>(control)) {
            text = plain->toPlainText();
        } else if (auto* combo = qobject_cast<const QComboBox*>(control)) {
            text = combo->currentText();
            QVERIFY2(combo->isEditable(), row.name);
            QCOMPARE(combo->currentIndex(), -1);
        } else if (auto* push = qobject_cast<const QPushButton*>(control)) {
            text = push->text();
        }
        QCOMPARE(text, QString::fromLatin1(row.text));
        QCOMPARE(control->geometry(), QRect(TwipsToPixelsX(control, row.twips.x()),
                                            TwipsToPixelsY(control, row.twips.y()),
                                            TwipsToPixelsX(control, row.twips.width()),
                                            TwipsToPixelsY(control, row.twips.height())));
        QCOMPARE(control->isEnabled(), row.enabled);
        // The text must fit the box it was drawn for.
        QVERIFY2(control->fontMetrics().height() <= control->height() - 2, row.name);
    }
    QCOMPARE(editor.items("Nation"), QStringList({"Federation", "Klingon", "Romulan", "Orion"}));
    for (int code = 0; code < 4; ++code) {
        QCOMPARE(editor.list("Nation")->itemData(code).toInt(), code);
    }
    QCOMPARE(editor.list("ship")->count(), 0);
    QCOMPARE(editor.items("playcomp"), QStringList({"<player>", "<internal>"}));
    QVERIFY(editor.box("shipCount")->isReadOnly());
    for (const char* multi : {"Description", "Objective"}) {
        QCOMPARE(editor.multi(multi)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(editor.multi(multi)->tabChangesFocus());
    }
    QCOMPARE(editor.forces()->count(), 0);
    QCOMPARE(editor.forces()->selectionMode(), QAbstractItemView::SingleSelection);
}

void frmMainFormTest::tabWalksTheControlsInOrder() {
    EditorWindow editor;
    editor.box("SCE")->setFocus(Qt::TabFocusReason);
    // The two ship buttons are disabled at start and take no focus.
    const QStringList order = {"SCE",     "Summary",   "Description", "Objective", "Nation",
                               "ship",    "shipname",  "X",           "Y",         "heading",
                               "warp",    "playcomp",  "AddShip",     "Forces",    "reset",
                               "Compile", "shipCount", "SCE"};
    QCOMPARE(focusedControl(), order.first());
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focusedControl(), order[i]);
    }
    QCOMPARE(editor.box("shipname")->text(), QStringLiteral("Name"));
}

void frmMainFormTest::menusCarryTheirItemsAndKeys() {
    EditorWindow editor;
    struct Row {
        const char* name;
        const char* caption;
        const char* shortcut;
    };
    const Row rows[] = {{"mnuFile", "&File", ""},
                        {"mnuNew", "&New Scenario", "Ctrl+N"},
                        {"mnuSave", "&Save Scenario", "Ctrl+S"},
                        {"mnuOpen", "&Open Scenario", "Ctrl+O"},
                        {"mnuDash1", "", ""},
                        {"mnuExit", "&Exit", ""},
                        {"mnuScene", "&Scenario", ""},
                        {"mnuLoad", "&Play Scenario", "Ctrl+A"},
                        {"mnuRandom", "&Random Scenario", "Ctrl+R"},
                        {"mnuMap", "&Tactical Map", "Ctrl+M"}};
    QList<QAction*> shown;
    for (QAction* menu : editor.window.menuBar()->actions()) {
        shown << menu;
        shown << menu->menu()->actions();
    }
    QCOMPARE(shown.size(), qsizetype(std::size(rows)));
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QObject* named =
            shown[i]->menu() ? static_cast<QObject*>(shown[i]->menu()) : shown[i];
        QCOMPARE(named->objectName(), QString::fromLatin1(rows[i].name));
        QCOMPARE(shown[i]->text(), QString::fromLatin1(rows[i].caption));
        QCOMPARE(shown[i]->shortcut(), QKeySequence(QString::fromLatin1(rows[i].shortcut)));
        QCOMPARE(shown[i]->isSeparator(), i == 4);
    }
}

void frmMainFormTest::textBoxesGuardWhatIsTyped() {
    EditorWindow editor;
    editor.type("SCE", "Deep Space 9");
    QCOMPARE(editor.box("SCE")->text(), QStringLiteral("DeepSpace9"));
    editor.type("SCE", QString(30, QLatin1Char('x')));
    QCOMPARE(editor.box("SCE")->text().size(), 32);
    // With a character selected, the one typed over it still fits.
    editor.box("SCE")->setSelection(0, 1);
    QTest::keyClicks(editor.box("SCE"), "Q");
    QCOMPARE(editor.box("SCE")->text(), QStringLiteral("QeepSpace9") + QString(22, 'x'));

    editor.type("Summary", "A quiet patrol.");
    QCOMPARE(editor.box("Summary")->text(), QStringLiteral("A quiet patrol."));
    editor.type("Summary", QString(200, QLatin1Char('s')));
    QCOMPARE(editor.box("Summary")->text().size(), 128);

    editor.type("Description", "Three ships");
    QTest::keyClick(editor.multi("Description"), Qt::Key_Return);
    QTest::keyClick(editor.multi("Description"), Qt::Key_Enter);
    QTest::keyClick(editor.multi("Description"), Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(editor.multi("Description"), " hold.");
    QCOMPARE(editor.multi("Description")->toPlainText(), QStringLiteral("Three ships hold."));
    editor.type("Description", QString(600, QLatin1Char('d')));
    QCOMPARE(editor.multi("Description")->toPlainText().size(), 512);

    editor.type("Objective", QString(300, QLatin1Char('o')));
    QTest::keyClick(editor.multi("Objective"), Qt::Key_Return);
    QCOMPARE(editor.multi("Objective")->toPlainText(), QString(256, QLatin1Char('o')));

    editor.type("shipname", " Kor g");
    QCOMPARE(editor.box("shipname")->text(), QStringLiteral("NameKorg"));
}

void frmMainFormTest::numberBoxesKeepNumbers() {
    EditorWindow editor;
    QLineEdit* x = editor.box("X");
    editor.erase("X");
    QCOMPARE(x->text(), QString());
    QCOMPARE(focusedControl(), QStringLiteral("X"));
    QTest::keyClicks(x, "-");
    QCOMPARE(x->text(), QStringLiteral("-"));
    QTest::keyClicks(x, "5");
    QCOMPARE(x->text(), QStringLiteral("-5"));
    QTest::keyClicks(x, "a");
    QCOMPARE(x->text(), QStringLiteral("0"));

    struct Row {
        const char* box;
        const char* typed;
        const char* kept;
    };
    const Row rows[] = {
        {"Y", "+", "0"},       {"Y", "1.5", "1.5"}, {"heading", "2E3", "2E3"},
        {"warp", "1 2", "12"}, {"X", "--", "0"},    {"Y", "5x", "0"},
    };
    for (const Row& row : rows) {
        editor.erase(row.box);
        QTest::keyClicks(editor.box(row.box), row.typed);
        QCOMPARE(editor.box(row.box)->text(), QString::fromLatin1(row.kept));
    }

    // Leaving an emptied box fills it; a lone minus stays.
    editor.erase("Y");
    editor.box("heading")->setFocus(Qt::TabFocusReason);
    QCOMPARE(editor.box("Y")->text(), QStringLiteral("0"));
    editor.erase("heading");
    QTest::keyClicks(editor.box("heading"), "-");
    QTest::keyClick(editor.box("heading"), Qt::Key_Tab);
    QCOMPARE(focusedControl(), QStringLiteral("warp"));
    QCOMPARE(editor.box("heading")->text(), QStringLiteral("-"));

    // Text set by the program runs the same rule: empty text pulls the focus into the box.
    editor.box("SCE")->setFocus(Qt::MouseFocusReason);
    editor.box("warp")->setText(QString());
    QCOMPARE(focusedControl(), QStringLiteral("warp"));
    editor.box("warp")->setText(QStringLiteral("fast"));
    QCOMPARE(editor.box("warp")->text(), QStringLiteral("0"));
}

void frmMainFormTest::pastedTextCannotBreakALine() {
    EditorWindow editor;
    editor.type("SCE", "ab");
    editor.box("SCE")->setCursorPosition(1);
    editor.paste("SCE", "Deep Space");
    QCOMPARE(editor.box("SCE")->text(), QStringLiteral("aDeepSpaceb"));
    QCOMPARE(editor.box("SCE")->cursorPosition(), 10);

    editor.box("shipname")->clear();
    editor.paste("shipname", " Kor  Kang ");
    QCOMPARE(editor.box("shipname")->text(), QStringLiteral("KorKang"));

    editor.box("X")->selectAll();
    editor.paste("X", " 5");
    QCOMPARE(editor.box("X")->text(), QStringLiteral("0"));

    editor.paste("Description", "Three ships\r\nhold\nthe line.");
    QCOMPARE(editor.multi("Description")->toPlainText(),
             QStringLiteral("Three ships hold the line."));
    QCOMPARE(editor.multi("Description")->blockCount(), 1);

    // A summary has no such guard; the file writer refuses the line break instead.
    editor.paste("Summary", "one\ntwo");
    editor.dialogs.paths.push_back(QString::fromStdString(editor.folder.file("broken.sce")));
    editor.action("mnuSave")->trigger();
    QCOMPARE(editor.dialogs.shown,
             QStringList({"-1 - The summary holds a line break, which a scenario file cannot "
                          "hold."}));
    QVERIFY(!editor.folder.exists("broken.sce"));
}

void frmMainFormTest::menuShortcutsWorkFromEveryKindOfBox() {
    EditorWindow editor;
    QSignalSpy play(editor.action("mnuLoad"), &QAction::triggered);
    QSignalSpy random(editor.action("mnuRandom"), &QAction::triggered);
    int expected = 0;
    for (const char* name :
         {"SCE", "X", "shipCount", "Description", "Nation", "ship", "Forces", "AddShip"}) {
        for (const Qt::Key key : {Qt::Key_A, Qt::Key_R}) {
            // The browser and the generator each take the activation from the editor.
            editor.window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&editor.window));
            editor.find<QWidget>(name)->setFocus(Qt::MouseFocusReason);
            QTimer::singleShot(0, [] {
                if (QWidget* browser = QApplication::activeModalWidget()) {
                    browser->close();
                }
            });
            QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
        }
        ++expected;
        QVERIFY2(play.size() == expected, name);
        QVERIFY2(random.size() == expected, name);
    }
    // Ctrl+A went to the menu, not to the box: nothing is selected.
    QVERIFY(!editor.box("X")->hasSelectedText());

    editor.type("SCE", "Patrol");
    QTest::keyClick(editor.box("SCE"), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(editor.box("SCE"), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(editor.dialogs.fileDialogs.size(), std::size_t(2));
    QCOMPARE(editor.dialogs.fileDialogs[0].title, QStringLiteral("Select Loation to Save to..."));
    QCOMPARE(editor.dialogs.fileDialogs[1].title, QStringLiteral("Select File to Open..."));
    QTest::keyClick(editor.box("SCE"), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(editor.box("SCE")->text(), QString());
}

QTEST_MAIN(frmMainFormTest)
#include "frmMainFormTest.moc"
