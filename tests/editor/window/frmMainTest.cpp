#include "editor/window/frmMain.h"

#include "ExpectedFailures.h"
#include "ScriptedDialogs.h"
#include "TestFolder.h"
#include "editor/CommandMessages.h"
#include "editor/CompileChecks.h"
#include "editor/RecentFiles.h"
#include "editor/RecoveryCopy.h"
#include "files/FolderToolchain.h"
#include "platform/TemporaryName.h"
#include "ui/LineList.h"

#include <QtTest>
#include <QtWidgets>
#include <filesystem>

using namespace forgeline;
using namespace forgeline::testing;

namespace {

const char* const Hornet = "Federation Destroyer Hornet 0 0 90 2 <player> ()";
const char* const Korg = "Klingon BC Korg 1500 -200 270 3 <internal> ()";
const char* const Vex = "Orion Raider Vex -5 1.5 720 0 <internal> ()";
const char* const Taken = "Ship name already taken.";
const char* const Incomplete = "Complete the ship information please.";
const QString Data = QStringLiteral(FORGELINE_TEST_DATA "/");

// The real toolchain, remembering the calls made and the cursor shown while the compiler had
// its time.
struct WatchedToolchain final : GameToolchain {
    explicit WatchedToolchain(GameToolchain& toolchain) : real(toolchain) {}
    GameToolchain& real;
    Qt::CursorShape cursor = Qt::ArrowCursor;
    QStringList calls;

    CompileOutcome RunSceneCompiler(const std::string& stem) override {
        cursor = QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : cursor;
        calls << "compile " + QString::fromStdString(stem);
        return real.RunSceneCompiler(stem);
    }
    bool GameExists() override { return real.GameExists(); }
    Status LaunchGame(const std::string& parameters) override {
        calls << QString::fromStdString(parameters);
        return real.LaunchGame(parameters);
    }
};

// The editor over a fresh program folder, shown and active so that the focus moves as it does
// for the user.
struct EditorWindow {
    explicit EditorWindow(std::string unsavedFolder = {}, QSettings* settings = nullptr)
        : unsaved(std::move(unsavedFolder)), settings(settings) {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) {
            qFatal("the editor window did not become active");
        }
    }

    TestFolder folder;
    ScriptedDialogs dialogs;
    FolderToolchain toolchain{folder.path(), std::chrono::milliseconds(700)};
    WatchedToolchain watched{toolchain};
    std::string unsaved;
    QSettings* settings;
    frmMain window{{folder.path(), &watched, &dialogs, unsaved, settings}};

    template <typename Control = QWidget> Control* find(const QString& name) const {
        return window.findChild<Control*>(name);
    }
    QLineEdit* box(const QString& name) const { return find<QLineEdit>(name); }
    QComboBox* list(const QString& name) const { return find<QComboBox>(name); }
    LineList* forces() const { return find<LineList>("Forces"); }
    QString path(const char* name) const { return QString::fromStdString(folder.file(name)); }
    QStringList files() const { return QDir(path("")).entryList(QDir::Files); }

    // The shown texts of the controls named, joined by "|".
    QString texts(const QString& names) const {
        QStringList shown;
        for (const QString& name : names.split(' ')) {
            QVariant text;
            for (const char* property : {"plainText", "currentText", "text"}) {
                text = text.isValid() ? text : find(name)->property(property);
            }
            shown << text.toString();
        }
        return shown.join('|');
    }

    // The entry fields, the selected nation, class and controller, whether Remove and Edit Ship
    // (which go together) are enabled, and the line Edit Ship would replace.
    QString entry() const {
        const bool on = find("RemShip")->isEnabled();
        return texts("Nation ship shipname X Y heading warp playcomp") +
               QStringLiteral(" @%1,%2,%3 ")
                   .arg(list("Nation")->currentIndex())
                   .arg(list("ship")->currentIndex())
                   .arg(list("playcomp")->currentIndex()) +
               (on != find("EditShip")->isEnabled() ? "mixed "
                : on                                ? "on "
                                                    : "off ") +
               find("EditShip")->property("Tag").toString();
    }

    // The bytes a Save writes, the ship count, and the list's selection, buttons and edit index.
    QString document() {
        dialogs.paths.push_front(path("saved.sce"));
        run({"menu mnuSave"});
        return QString::fromStdString(folder.read("saved.sce")) + texts("shipCount") +
               QStringLiteral(" @%1 ").arg(forces()->selectedRow()) + entry().section(' ', -2);
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) const {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    QString undoRedo() const {
        QString state;
        for (const char* name : {"mnuUndo", "mnuRedo"}) {
            const QAction* action = find<QAction>(name);
            state += action->text() + (action->isEnabled() ? "+" : "-");
        }
        return state;
    }

    QStringList items(const QString& name) const {
        QStringList texts;
        for (int i = 0; i < list(name)->count(); ++i) {
            texts << list(name)->itemText(i);
        }
        return texts;
    }

    // The control that holds the focus; a drop-down list's sits in its text part.
    QString focused() const {
        const QWidget* focus = QApplication::focusWidget();
        return (focus->parentWidget() == window.centralWidget() ? focus : focus->parentWidget())
            ->objectName();
    }

    // Does what the user does, step by step: "press <button>", "choose <list> <item>",
    // "set <box> <text>", "type <control> <keys>", "paste <control> <text>", "click <line>",
    // "menu <item>", or "add <force line>" to enter a ship's fields and add it.
    void run(const QStringList& steps) const {
        for (const QString& step : steps) {
            const QString verb = step.section(' ', 0, 0);
            const QString name = step.section(' ', 1, 1);
            const QString rest = step.section(' ', 2);
            if (verb == "type" || verb == "paste") {
                QApplication::clipboard()->setText(rest);
                find(name)->setFocus(Qt::MouseFocusReason);
                verb == "type" ? QTest::keyClicks(find(name), rest)
                               : QTest::keyClick(find(name), Qt::Key_V, Qt::ControlModifier);
            } else if (verb == "press") {
                QTest::mouseClick(find(name), Qt::LeftButton);
            } else if (verb == "choose") {
                list(name)->setCurrentIndex(list(name)->findText(rest, Qt::MatchExactly));
            } else if (verb == "set") {
                box(name)->setText(rest);
            } else if (verb == "click") {
                const QRect rect = forces()->visualRect(forces()->model()->index(name.toInt(), 0));
                QTest::mouseClick(forces()->viewport(), Qt::LeftButton, {}, rect.center());
            } else if (verb == "menu") {
                find<QAction>(name)->trigger();
            } else {
                const QStringList f = step.split(' ');
                run({"choose Nation " + f[1], "choose ship " + f[2], "set shipname " + f[3],
                     "set X " + f[4], "set Y " + f[5], "set heading " + f[6], "set warp " + f[7],
                     "choose playcomp " + f[8], "press AddShip"});
            }
        }
    }
};

} // namespace

class frmMainTest : public QObject {
    Q_OBJECT

  private slots:
    void formLayoutInputRulesAndShortcuts();
    void forcesAddSelectEditRemoveAndReset();
    void commandsCompileOpenSaveAndNew();
    void historyUndoesEveryStepExactly();
    void historyMergesTypingAndOwnsTheUndoKeys();
    void openThenSaveGivesBackEveryByte();
    void exitAndCloseKeepUnsavedWorkOrAsk();
    void recoveryListsEveryAbandonedCopyAndKeepsItUntilItIsKept();
    void exitEndsTheProgram();
    void compileAndPlayAndTheCheckBeforeCompile();
    void historyViewJumpsToAStepAndFollowsTheEditor();
    void recentFilesAreKeptNewestFirstInTheSettingsGiven();
};

void frmMainTest::formLayoutInputRulesAndShortcuts() {
    EditorWindow editor;
    QCOMPARE(editor.window.windowTitle(), "Halvex Forgeline v1.1");
    // The starting texts; every text fits the box it was drawn for.
    const QString names =
        "lbl1 Label1 Label2 Label3 Label4 Label5 Label6 Label7 Label8 Label9 "
        "SCE Summary Description Objective Forces AddShip RemShip reset "
        "EditShip Compile shipCount Nation ship shipname X Y heading warp playcomp";
    QCOMPARE(editor.texts("SCE Summary Description Objective shipCount Nation ship shipname X Y "
                          "heading warp playcomp"),
             "||||0|Nation:|Ship:|Name|0|0|0|0|");
    for (const QString& name : names.split(' ')) {
        QVERIFY2(editor.find(name)->fontMetrics().height() <= editor.find(name)->height() - 2,
                 qPrintable(name));
    }
    QCOMPARE(editor.entry().section(' ', -3), "@-1,-1,-1 off ");
    QVERIFY(editor.box("shipCount")->isReadOnly());
    QCOMPARE(std::pair(editor.find<QPlainTextEdit>("Description")->verticalScrollBarPolicy(),
                       editor.find<QPlainTextEdit>("Objective")->verticalScrollBarPolicy()),
             std::pair(Qt::ScrollBarAlwaysOn, Qt::ScrollBarAlwaysOn));
    QStringList menus;
    for (const QAction* menu : editor.window.menuBar()->actions()) {
        menus << menu->menu()->objectName() + ' ' + menu->text();
        for (const QAction* item : menu->menu()->actions()) {
            menus << item->objectName() + ' ' + item->text() + ' ' + item->shortcut().toString() +
                         (item->isSeparator() ? "-" : "");
        }
    }
    QCOMPARE(menus.join(';'),
             "mnuFile &File;mnuNew &New Scenario Ctrl+N;mnuSave &Save Scenario "
             "Ctrl+S;mnuOpen &Open Scenario Ctrl+O;mnuRecover &Recover Unsaved Scenario ;"
             "mnuRecent Recent &Files ;mnuDash1  -;mnuExit &Exit ;"
             "mnuEdit &Edit;mnuUndo &Undo Ctrl+Z;mnuRedo &Redo Ctrl+Y;mnuHistory &History Ctrl+H;"
             "mnuScene &Scenario;mnuLoad &Play Scenario Ctrl+A;mnuRandom &Random "
             "Scenario Ctrl+R;mnuMap &Tactical Map Ctrl+M;mnuCheck Check &Scenario F7;"
             "mnuCompilePlay Compile and &Play F5");

    // The two ship buttons are disabled and take no focus; tabbing into the name keeps it.
    editor.find("SCE")->setFocus(Qt::TabFocusReason);
    QStringList order = {editor.focused()};
    while (order.size() < 18) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << editor.focused();
    }
    QCOMPARE(order.join(' '), "SCE Summary Description Objective Nation ship shipname X Y heading "
                              "warp playcomp AddShip Forces reset Compile shipCount SCE");
    QCOMPARE(editor.texts("shipname"), "Name");

    // Typed keys a box discards, or that would overfill it, never reach it; a number box keeps
    // numbers and the start of one, anything else becomes "0".
    QTest::keyClick(editor.find("Description"), Qt::Key_Enter);
    QTest::keyClick(editor.find("Description"), Qt::Key_Return, Qt::ShiftModifier);
    const std::pair<QString, QString> typed[] = {
        {"SCE Deep Space 9" + QString(30, 'x'), "DeepSpace9" + QString(22, 'x')},
        {"Summary  A b" + QString(200, 's'), " A b" + QString(124, 's')},
        {"Description Three\rships" + QString(600, 'd'), "Threeships" + QString(502, 'd')},
        {"Objective \r" + QString(300, 'o'), QString(256, 'o')},
        {"shipname  Kor g" + QString(40, 'n'), "NameKorg" + QString(40, 'n')},
        {"X \b-5", "-5"},
        {"X \b\bx1 2", "012"},
        {"Y \bx1 2", "012"},
        {"heading \bx1 2", "012"},
        {"warp \bx1 2", "012"}};
    for (const auto& [keys, kept] : typed) {
        editor.run({"type " + keys});
        QCOMPARE(editor.texts(keys.section(' ', 0, 0)), kept);
    }
    // With a character selected, the one typed over it still fits.
    editor.box("SCE")->setSelection(0, 1);
    QTest::keyClicks(editor.box("SCE"), "Q");
    QCOMPARE(editor.texts("SCE"), "QeepSpace9" + QString(22, 'x'));
    // Leaving an emptied box fills it; a lone minus stays, and so does the focus an emptied box
    // took, also when the program emptied it.
    editor.run({"type Y \b\b\b", "type heading \b\b\b-\t"});
    QCOMPARE(editor.focused(), "warp");
    editor.find("SCE")->setFocus(Qt::MouseFocusReason);
    editor.run({"set warp "});
    QCOMPARE(editor.focused(), "warp");
    editor.run({"set warp fast"});
    QCOMPARE(editor.texts("Y heading warp"), "0|-|0");

    editor.box("SCE")->setText("ab");
    editor.box("SCE")->setCursorPosition(1);
    editor.box("shipname")->clear();
    editor.box("X")->selectAll();
    editor.find<QPlainTextEdit>("Description")->clear();
    editor.run({"paste SCE Deep Space", "paste shipname \tKor\u00A0 Kang\v", "paste X  5",
                "paste Description Three ships\r\nhold\nthe line."});
    QCOMPARE(editor.box("SCE")->cursorPosition(), 10);
    QCOMPARE(editor.texts("SCE shipname X Description"),
             "aDeepSpaceb|KorKang|0|Three ships hold the line.");
    // Blanks the title held before stay when typing goes on after them.
    editor.box("SCE")->setText("a  b");
    editor.box("SCE")->end(false);
    editor.run({"type SCE c"});
    QCOMPARE(editor.box("SCE")->text(), "a  bc");
    // A summary has no such guard; the file writer refuses the line break instead.
    editor.dialogs.paths.push_back(editor.path("broken.sce"));
    editor.run({"paste Summary one\ntwo", "menu mnuSave"});
    QCOMPARE(editor.dialogs.shown, QStringList({"The summary holds a line break, which a scenario "
                                                "file cannot hold."}));
    QCOMPARE(editor.files(), QStringList());

    // A box claims Ctrl+A to select all its text; the menu's shortcut goes first. (The browser
    // it would open is not the editor's business.) In `Forces` Ctrl+A selects every line.
    QSignalSpy play(editor.find<QAction>("mnuLoad"), &QAction::triggered);
    QObject::disconnect(editor.find<QAction>("mnuLoad"), nullptr, &editor.window, nullptr);
    for (const char* name : {"X", "Description", "Nation", "Forces"}) {
        editor.find(name)->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QVERIFY2(play.size() == (name != std::string_view("Forces")), name);
        play.clear();
    }
}

void frmMainTest::forcesAddSelectEditRemoveAndReset() {
    EditorWindow editor;
    editor.run({"press AddShip", "choose Nation Klingon"});
    // A taken name is refused before the entry is looked at, and leaves even the count alone;
    // an incomplete entry refreshes it. The fields stay filled after a ship is added.
    editor.run({"choose ship BC", "choose playcomp <internal>", "press AddShip",
                "set shipCount stale", "choose Nation Federation", "press AddShip"});
    QCOMPARE(editor.texts("shipCount"), "stale");
    editor.run({"set shipname name", "press AddShip"});
    QCOMPARE(editor.texts("shipCount"), "1");
    editor.run({"choose ship Tug", "press AddShip"});
    QCOMPARE(editor.entry(), "Federation|Tug|name|0|0|0|0|<internal> @0,4,1 off ");
    QCOMPARE(editor.dialogs.shown, QStringList({Incomplete, Taken, Incomplete}));
    editor.run({QString("add ") + Hornet, QString("add ") + Korg, QString("add ") + Vex});
    QCOMPARE(editor.forces()->lines(),
             QStringList({"Klingon BC Name 0 0 0 0 <internal> ()",
                          "Federation Tug name 0 0 0 0 <internal> ()", Hornet, Korg, Vex}));
    QCOMPARE(editor.texts("shipCount"), "5");

    editor.run({"click 2"});
    QCOMPARE(editor.entry(), "Federation|Destroyer|Hornet|0|0|90|2|<player> @0,1,0 on 2");
    editor.run({"click 3"});
    QCOMPARE(editor.entry(), "Klingon|BC|Korg|1500|-200|270|3|<internal> @1,2,1 on 3");
    QTest::keyClick(editor.forces(), Qt::Key_Down);
    QCOMPARE(editor.entry(), "Orion|Raider|Vex|-5|1.5|720|0|<internal> @3,1,1 on 4");
    // The nation chosen again is still a choice: after Reset emptied the classes, they return.
    const QStringList lines = editor.forces()->lines();
    editor.run({"press reset"});
    editor.forces()->appendAll(lines);
    editor.run({"click 4"});
    QCOMPARE(editor.entry(), "Orion|Raider|Vex|-5|1.5|720|0|<internal> @3,1,1 on 4");
    editor.find("Nation")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(editor.items("ship").join(' '), "WE BP Frigate");
    // Nothing matches a missing marker, so the controller keeps its choice; each emptied number
    // box took the focus in turn and was filled as the focus moved on. A doubled space shifts
    // every field after it.
    editor.forces()->append("Romulan WE Tal");
    editor.run({"click 5"});
    QCOMPARE(editor.entry(), "Romulan|WE|Tal|0|0|0||<internal> @2,0,1 on 5");
    QCOMPARE(editor.focused(), "warp");
    editor.forces()->append("Klingon  BC Kang 1 2 3 4 <player> ()");
    editor.run({"click 6"});
    QCOMPARE(editor.entry(), "Klingon||BC|0|1|2|3|<internal> @1,-1,1 on 6");
    // Clicking the placeholder name empties it, and only that one.
    for (const QString name : {"name", "Names", "Name"}) {
        editor.box("shipname")->setText(name);
        QTest::mouseClick(editor.find("shipname"), Qt::LeftButton);
        QCOMPARE(editor.texts("shipname"), name == "Name" ? QString() : name);
    }

    // The edited ship may keep its own name, but not take another's; an incomplete entry
    // changes nothing; either way the edit ends.
    const char* kor = "Klingon BC Kor 1500 -200 -90 3 <internal> ()";
    editor.forces()->setLines({Hornet, Korg, Vex});
    editor.dialogs.shown.clear();
    editor.run({"click 1", "set shipname Kor", "set heading -90", "press EditShip"});
    QCOMPARE(editor.forces()->selectedRow(), -1);
    QCOMPARE(editor.entry(), "Klingon|BC|Kor|1500|-200|-90|3|<internal> @1,2,1 off 1");
    editor.run({"click 2", "press EditShip", "click 2", "set shipname Hornet", "press EditShip"});
    QCOMPARE(editor.entry(), "Orion|Raider|Hornet|-5|1.5|720|0|<internal> @3,1,1 off 2");
    editor.run({"click 0", "choose Nation Romulan", "press EditShip"});
    QCOMPARE(editor.entry(), "Romulan||Hornet|0|0|90|2|<player> @2,-1,0 off 0");
    QCOMPARE(editor.forces()->lines(), QStringList({Hornet, kor, Vex}));
    QCOMPARE(editor.dialogs.shown, QStringList({Taken, Incomplete}));
    // No neighbour takes the removed line's place in the selection or in the fields; with
    // nothing selected the button removes nothing, yet refreshes the count.
    editor.run({"click 1", "press RemShip"});
    QCOMPARE(editor.forces()->lines(), QStringList({Hornet, Vex}));
    QCOMPARE(editor.forces()->selectedRow(), -1);
    QCOMPARE(editor.entry(), "Klingon|BC|Kor|1500|-200|-90|3|<internal> @1,2,1 off 1");
    editor.find("RemShip")->setEnabled(true);
    editor.run({"set shipCount stale", "press RemShip"});
    QCOMPARE(editor.texts("shipCount"), "2");
    QCOMPARE(editor.forces()->count(), 2);
    // Reset keeps the title, the nation, the controller and the ship buttons; the edit index
    // then names no line, so Edit Ship touches nothing.
    editor.run({"type SCE Patrol", "click 1", "press reset"});
    QCOMPARE(editor.texts("SCE shipCount"), "Patrol|0");
    QCOMPARE(editor.entry(), "Orion|Ship:|Name|0|0|0|0|<internal> @3,-1,1 on 1");
    QCOMPARE(editor.items("ship"), QStringList());
    editor.run(
        {"add Klingon Escort Kang 1 1 1 1 <player>", "set shipname Koloth", "press EditShip"});
    QCOMPARE(editor.forces()->lines(), QStringList({"Klingon Escort Kang 1 1 1 1 <player> ()"}));
    QCOMPARE(editor.dialogs.shown.size(), 2);
    QCOMPARE(editor.entry(), "Klingon|Escort|Koloth|1|1|1|1|<player> @1,0,0 off 1");
}

void frmMainTest::commandsCompileOpenSaveAndNew() {
    EditorWindow editor;
    editor.folder.write("Patrol.sco", "old");
    editor.run({"press Compile", "type SCE Patrol", "press Compile", QString("add ") + Korg,
                "press Compile", "add Klingon BC Kang 1 2 3 4 <player>", "set SCE a b",
                "press Compile", "menu mnuOpen", "menu mnuSave"});
    // Refused before any file is touched or anything is asked.
    QCOMPARE(editor.dialogs.shown,
             QStringList({"Scenario Title required.", "No forces created.",
                          "Must have at least 1 <player> designated ship to compile.",
                          "Error: The scenario title cannot be used as a file name: it holds "
                          "a blank."}));
    QCOMPARE(editor.files(), QStringList({"Patrol.sco"}));
    // Cancelled file dialogs change nothing.
    for (const FileDialogSetup& setup : editor.dialogs.fileDialogs) {
        QCOMPARE(setup.filter + '|' + setup.startFolder,
                 "Scenario Files (*.sce)|*.sce|All File Types (*.*)|*.*|" +
                     QString::fromStdString(editor.folder.path()));
    }
    const auto& [open, save] =
        std::pair(editor.dialogs.fileDialogs[0], editor.dialogs.fileDialogs[1]);
    QCOMPARE(open.title + '|' + save.title, "Select File to Open...|Select Loation to Save to...");
    QVERIFY(!open.confirmOverwrite && save.confirmOverwrite);
    QCOMPARE(editor.forces()->count(), 2);

    // A file that cannot be opened changes nothing; one that fails part way is shown with what
    // it did not reach empty. Neither touches the ship being edited.
    editor.dialogs.shown.clear();
    editor.run({"click 0"});
    const QString shipBeingEdited = editor.entry();
    editor.folder.write("two-lines.sce", "Name: Two\r\nSummary: lines\r\n");
    editor.dialogs.paths = {editor.path("missing.sce"), Data + "four-lines.sce",
                            editor.path("two-lines.sce"), Data + "editor-long-title.sce"};
    editor.run({"menu mnuOpen"});
    QCOMPARE(editor.texts("SCE shipCount"), "a b|2");
    QCOMPARE(editor.forces()->count(), 2);
    editor.run({"menu mnuOpen"});
    QCOMPARE(editor.texts("SCE Summary Description Objective shipCount"),
             "Four|Only four lines|here|and no more|0");
    QCOMPARE(editor.forces()->count(), 0);
    editor.run({"menu mnuOpen"});
    QCOMPARE(editor.texts("SCE Summary Description Objective"), "Two|lines||");
    // Text from a file is never cut to what may be typed.
    editor.run({"menu mnuOpen"});
    QCOMPARE(editor.texts("SCE Summary Objective shipCount"),
             "A_Title_Of_Forty_Characters_From_A_File!|Read whole.||1");
    QCOMPARE(
        editor.dialogs.shown,
        QStringList({QString::fromStdString(FileFailureMessage(PlatformFailures().missingFile)),
                     "62 - Input past end of file", "62 - Input past end of file"}));
    QCOMPARE(editor.entry(), shipBeingEdited);
    // New empties the scenario but keeps the choices.
    editor.run({"click 0", "set X -", "menu mnuNew"});
    QCOMPARE(editor.texts("SCE Summary Description Objective shipCount"), "||||0");
    QCOMPARE(editor.forces()->count() + editor.list("ship")->count(), 0);
    QCOMPARE(editor.entry(), "Romulan|Ship:|Name|0|0|0|0|<player> @2,-1,0 on 0");
    // Saving over a file replaces all of it.
    editor.dialogs.shown.clear();
    editor.folder.write("copy.sce", std::string(4096, 'x'));
    editor.dialogs.paths = {editor.path("empty.sce"), editor.path("plain"), Data + "patrol.sce",
                            editor.path("copy.sce"), editor.path("no-such-folder/x.sce")};
    editor.run({"menu mnuSave", "menu mnuSave"});
    QCOMPARE(editor.folder.read("empty.sce"),
             ReadWholeFile(FORGELINE_TEST_DATA "/editor-empty.sce"));
    QCOMPARE(editor.files(),
             QStringList({"copy.sce", "empty.sce", "Patrol.sco", "plain", "two-lines.sce"}));
    editor.run({"menu mnuOpen", "menu mnuSave", "menu mnuSave"});
    QCOMPARE(editor.folder.read("copy.sce"), ReadWholeFile(FORGELINE_TEST_DATA "/patrol.sce"));
    QCOMPARE(editor.dialogs.shown, QStringList({QString::fromStdString(
                                       FileFailureMessage(PlatformFailures().missingFolder))}));

    // A scenario opened from elsewhere is compiled in the program's folder, after its title.
    // The old .sco stays until the new .sce is in place.
    editor.folder.makeFolder("Patrol.sce");
    editor.dialogs.answers = {false, true};
    editor.run({"press Compile", "press Compile"});
    QCOMPARE(editor.folder.read("Patrol.sco"), std::string("old"));
    std::filesystem::remove(editor.folder.file("Patrol.sce"));
    editor.dialogs.answers = {true};
    editor.run({"press Compile"});
    QVERIFY(!editor.folder.exists("Patrol.sco"));
    QCOMPARE(editor.folder.read("Patrol.sce"), ReadWholeFile(FORGELINE_TEST_DATA "/patrol.sce"));
    InstallFakeProgram(editor.folder, "scene");
    editor.run({"press Compile"});
    QCOMPARE(editor.folder.read("Patrol.sco"), std::string("compiled\n"));
    QCOMPARE(editor.watched.cursor, Qt::WaitCursor);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    // A compiler that leaves no .sco fails quietly.
    MakeFakeCompilerFail(editor.folder);
    editor.dialogs.answers = {true};
    editor.run({"press Compile"});
    QVERIFY(!editor.folder.exists("Patrol.sco"));
    const QString question = "Scenario file 'Patrol.sco' already exists. Overwrite?";
    QCOMPARE(
        editor.dialogs.shown.mid(1),
        QStringList({question, question,
                     QString::fromStdString(CompileFailureMessage(PlatformFailures().folderAsFile)),
                     question,
                     QString::fromStdString("Cannot find 'scene' in " + editor.folder.path()) + ".",
                     "Scenario did not compile.", "Scenario compiled successfully.", question,
                     "Scenario did not compile."}));

    // A delete or a write that fails says why, and nothing is compiled.
    editor.folder.write("Patrol.sco", "old");
    editor.dialogs.shown.clear();
    editor.dialogs.answers = {true, true};
    {
        const FailingDeletes locked({13, "Permission denied"});
        editor.run({"press Compile"});
    }
    std::filesystem::remove(editor.folder.file("Patrol.sce"));
    editor.folder.makeFolder("Patrol.sce");
    editor.run({"press Compile"});
    QCOMPARE(editor.dialogs.shown,
             QStringList({question, "Error: Permission denied", question,
                          "Error: " + QString::fromStdString(
                                          PlatformFailures().folderAsFile.description)}));

    // A file that ends within its header fills the boxes it reached and empties the others.
    const char* header[] = {"Name: T", "Summary: S", "Description: D"};
    for (int lines = 1; lines <= 3; ++lines) {
        std::string text;
        for (int line = 0; line < lines; ++line) {
            text += std::string(header[line]) + "\r\n";
        }
        editor.folder.write("short.sce", text);
        editor.run({"set SCE old", "set Summary old"});
        editor.find<QPlainTextEdit>("Description")->setPlainText("old");
        editor.find<QPlainTextEdit>("Objective")->setPlainText("old");
        editor.dialogs.paths = {editor.path("short.sce")};
        editor.run({"menu mnuOpen"});
        QCOMPARE(editor.texts("SCE Summary Description Objective"),
                 QStringList({"T|||", "T|S||", "T|S|D|"})[lines - 1]);
    }
}

void frmMainTest::historyUndoesEveryStepExactly() {
    const std::pair<QString, QStringList> rows[] = {
        {"Type Title", {"type SCE Long"}},
        {"Type Summary", {"type Summary Sum!"}},
        {"Type Description", {"type Description more"}},
        {"Type Objective", {"type Objective x"}},
        {"Add Ship", {"set shipname Kang", "press AddShip"}},
        {"Edit Ship", {"set shipname Kor", "press EditShip"}},
        {"Remove Ship", {"press RemShip"}},
        {"Reset Forces", {"press reset"}},
        {"New Scenario", {"menu mnuNew"}},
        // An Open that fails part way has changed the screen all the same.
        {"Open Scenario", {"menu mnuOpen"}},
    };
    for (const auto& [name, steps] : rows) {
        EditorWindow editor;
        editor.dialogs.paths = {Data + "patrol.sce"};
        editor.run({"menu mnuOpen", "add Orion Raider Vex -5 1.5 720 0 <internal>", "click 1"});
        const QString before = editor.document();
        editor.dialogs.paths = {Data + "four-lines.sce"};
        editor.run(steps);
        const QString after = editor.document();
        // A line selected since is no step: undo puts back the selection the step found.
        editor.run({"click 0"});
        const QString fields = editor.entry().section(' ', 0, 1);
        QCOMPARE(editor.undoRedo(), "&Undo " + name + "+&Redo-");
        editor.key(Qt::Key_Z);
        QCOMPARE(editor.document(), before);
        // The ship being edited is no part of the scenario's history.
        QCOMPARE(editor.entry().section(' ', 0, 1), fields);
        QCOMPARE(editor.undoRedo(), "&Undo Add Ship+&Redo " + name + "+");
        editor.key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(editor.document(), after);
    }
}

void frmMainTest::historyMergesTypingAndOwnsTheUndoKeys() {
    EditorWindow editor;
    QCOMPARE(editor.undoRedo(), "&Undo-&Redo-");
    // The box's own undo is out of the way, with nothing to undo too.
    editor.run({"type shipname Kor"});
    editor.key(Qt::Key_Z);
    QCOMPARE(editor.texts("shipname"), "NameKor");
    // A visit to a box is one step; the focus leaving it ends the step.
    editor.run({"type SCE Pat", "type SCE rol", "type Summary ", "type SCE !", "type Summary Sum"});
    QCOMPARE(editor.undoRedo(), "&Undo Type Summary+&Redo-");
    editor.key(Qt::Key_Z);
    editor.key(Qt::Key_Z);
    QCOMPARE(editor.texts("SCE Summary"), "Patrol|");
    editor.key(Qt::Key_Y);
    QCOMPARE(editor.texts("SCE Summary"), "Patrol!|");
    editor.key(Qt::Key_Z);
    editor.key(Qt::Key_Z);
    QCOMPARE(editor.texts("SCE Summary"), "|");
    QCOMPARE(editor.undoRedo(), "&Undo-&Redo Type Title+");
    // Typing after an undo or a redo, the focus still in the box, is a step of its own, and
    // starts from the text the undo left.
    editor.run({"type Objective ab"});
    editor.key(Qt::Key_Z);
    editor.key(Qt::Key_Y);
    editor.run({"type Objective c"});
    editor.key(Qt::Key_Z);
    QCOMPARE(editor.texts("Objective"), "ab");
    editor.key(Qt::Key_Z);
    editor.run({"type Objective d"});
    editor.key(Qt::Key_Z);
    QCOMPARE(editor.texts("Objective"), "");

    // A box's menu offers the scenario's Undo and Redo in place of its own.
    for (QWidget* box :
         {editor.find("SCE"), editor.find<QPlainTextEdit>("Description")->viewport()}) {
        QStringList offered;
        QTimer::singleShot(0, [&offered] {
            QWidget* menu = QApplication::activePopupWidget();
            for (const QAction* action : menu->actions()) {
                offered << (action->objectName().isEmpty() ? action->text() : action->objectName());
            }
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(2, 2),
                                box->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(box, &event);
        QCOMPARE(offered.mid(0, 2).join(' '), "mnuUndo mnuRedo");
        QCOMPARE(offered.filter(QRegularExpression("^&(Undo|Redo)")), QStringList());
    }
}

void frmMainTest::openThenSaveGivesBackEveryByte() {
    EditorWindow editor;
    std::string bytes;
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        bytes += static_cast<char>(byte);
    }
    const std::string file = "Name: " + bytes + "\r\nSummary: " + std::string(40003, 's') +
                             "\r\nDescription: " + bytes + "\r\nObjective: " + bytes +
                             "\r\nCode: <internal>\r\nForces: \r\n" + Korg + "\r\n";
    editor.folder.write("in.sce", file);
    editor.dialogs.paths = {editor.path("in.sce"), editor.path("out.sce")};
    editor.run({"menu mnuOpen", "menu mnuSave"});
    QCOMPARE(editor.dialogs.shown, QStringList());
    QVERIFY(editor.folder.read("out.sce") == file);
}

// Exit or close, as the user chose: true when the editor let itself be left.
bool leave(EditorWindow& editor, const QString& how) {
    if (how == "close") {
        return editor.window.close();
    }
    // Once the program is told to exit, no event loop runs until the application's own starts
    // anew.
    editor.find<QAction>("mnuExit")->trigger();
    QEventLoop probe;
    QTimer::singleShot(0, &probe, [&] { probe.exit(0); });
    const bool exited = probe.exec() == -1;
    if (exited) {
        QTimer::singleShot(0, qApp, [] { QApplication::exit(0); });
        QApplication::exec();
    }
    return exited;
}

QStringList copiesIn(const std::string& folder) {
    return QDir(QString::fromStdString(folder)).entryList(QDir::Files | QDir::Hidden);
}

void frmMainTest::exitAndCloseKeepUnsavedWorkOrAsk() {
    const Failure full{28, "No space left on device"};
    // How the editor is left, what stands at its data folder, and the failure it tells once.
    const std::tuple<QString, QString, QString> rows[] = {
        {"close", "", ""},
        {"exit", "", ""},
        {"close", "a file", QString::fromStdString(PlatformFailures().fileAsFolder.description)},
        {"exit", "full", "No space left on device"}};
    for (const auto& [how, trouble, reason] : rows) {
        const TestFolder data;
        const std::string folder = data.file("data");
        if (trouble == "a file") {
            data.write("data", "x");
        }
        {
            EditorWindow editor(folder);
            std::optional<FailingWrites> failing;
            if (trouble == "full") {
                failing.emplace(full);
            }
            editor.run({"type SCE Kept"});
            if (!trouble.isEmpty()) {
                // Asked each time; told why only once.
                const QString failed = QString::fromStdString(
                    UnsavedCopyFailureMessage(folder, {0, reason.toStdString()}));
                QVERIFY(!leave(editor, how));
                QVERIFY(!leave(editor, how));
                QCOMPARE(editor.dialogs.shown,
                         QStringList({failed, "Leave without saving?", "Leave without saving?"}));
                editor.dialogs.answers = {true};
            }
            QVERIFY2(leave(editor, how), qPrintable(how));
            QCOMPARE(editor.dialogs.shown.size(), trouble.isEmpty() ? 0 : 4);
        }
        // What the editor left on disk, offered to the next one.
        if (trouble.isEmpty()) {
            const QStringList left = copiesIn(folder);
            QCOMPARE(left.size(), 1);
            QVERIFY(QString::fromStdString(data.read("data/" + left[0].toStdString()))
                        .contains("Kept"));
            EditorWindow next(folder);
            QVERIFY(next.find<QAction>("mnuRecover")->isVisible());
        }
    }
}

void frmMainTest::recoveryListsEveryAbandonedCopyAndKeepsItUntilItIsKept() {
    const TestFolder data;
    const std::string folder = data.file("user/data");
    const auto at = [&](const std::string& name) { return data.file("user/data/" + name); };
    EditorWindow running(folder);
    running.run({"type SCE Running"});
    QVERIFY(running.window.close());
    EditorWindow editor(folder);
    QAction* recover = editor.find<QAction>("mnuRecover");
    QVERIFY(!recover->isVisible());
    // Left while this editor runs: a copy under this very process's number, once a dead
    // editor's; a damaged one; and of an editor killed in its first write, a lock file and the
    // temporary file.
    const std::string reused = RecoveryFileName(platform::CurrentProcessId(), 2);
    const std::string dead = RecoveryFileName(999999999, 1);
    const std::string damaged = RecoveryFileName(999999999, 2);
    const std::string killed = RecoveryFileName(999999999, 3);
    data.write("user/data/" + reused, RecoveryBytes({"Caf\u00e9 \u03a9", "", "", "", {Vex}}));
    data.write("user/data/" + dead, RecoveryBytes({"Older", "", "", "", {Korg, Hornet}}));
    data.write("user/data/" + damaged, "x");
    const std::string leftovers[] = {"user/data/" + RecoveryLockName(killed),
                                     "user/data/" + platform::TemporaryName(killed, 999999999, 0)};
    for (const std::string& leftover : leftovers) {
        data.write(leftover, "");
    }
    const auto now = std::filesystem::last_write_time(at(reused));
    std::filesystem::last_write_time(at(dead), now - std::chrono::hours(2));
    std::filesystem::last_write_time(at(damaged), now - std::chrono::hours(1));
    emit editor.find<QMenu>("mnuFile")->aboutToShow();
    QVERIFY(recover->isVisible());
    QVERIFY(!data.exists(leftovers[0]) && !data.exists(leftovers[1]));

    editor.run({"menu mnuRecover"});
    auto* window = editor.find<QDialog>("frmRecover");
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->windowTitle(), "Recover Unsaved Scenario");
    auto* copies = window->findChild<QListWidget*>("Copies");
    QStringList rows;
    for (int row = 0; row < copies->count(); ++row) {
        rows << copies->item(row)->text().remove(QRegularExpression(" \\d{4}-.{14}"));
    }
    QCOMPARE(rows, QStringList({QString::fromUtf8("Caf\u00e9 \u03a9, last written, 1 ship"),
                                "Damaged: " + QString::fromStdString(damaged) +
                                    ", last written (The copy is not whole.)",
                                "Older, last written, 2 ships"}));
    // A damaged copy is only deleted, once the user says so.
    copies->setCurrentRow(1);
    QVERIFY(!window->findChild<QPushButton*>("Recover")->isEnabled());
    editor.dialogs.answers = {true};
    QTest::mouseClick(window->findChild<QPushButton*>("Delete"), Qt::LeftButton);
    QCOMPARE(editor.dialogs.shown.size(), 1);
    QVERIFY(!data.exists("user/data/" + damaged));
    QCOMPARE(copies->count(), 2);

    // With the disk full, the recovered copy stays until the editor's own copy holds its work.
    copies->setCurrentRow(1);
    {
        const FailingWrites full({28, "No space left on device"});
        // Return recovers wherever the focus stands, on another button too.
        QTest::keyClick(window->findChild<QPushButton*>("Delete"), Qt::Key_Return);
        QVERIFY(!window->isVisible());
        QCOMPARE(editor.texts("SCE shipCount"), "Older|2");
        QCOMPARE(editor.undoRedo(), "&Undo Recover Unsaved Scenario+&Redo-");
        QCOMPARE(editor.dialogs.shown.size(), 2);
        QVERIFY(data.exists("user/data/" + dead));
    }
    QVERIFY(editor.window.close());
    QVERIFY(!data.exists("user/data/" + dead));
    // The reused name was never this editor's to write.
    QVERIFY(data.read("user/data/" + reused).find("Caf") != std::string::npos);
}

void frmMainTest::exitEndsTheProgram() {
    EditorWindow editor;
    QTimer::singleShot(0, editor.find<QAction>("mnuExit"), &QAction::trigger);
    // Should Exit fail, the loop still ends, with another code.
    QTimer::singleShot(5000, [] { QApplication::exit(3); });
    QCOMPARE(QApplication::exec(), 0);
}

void frmMainTest::compileAndPlayAndTheCheckBeforeCompile() {
    EditorWindow editor;
    InstallFakeProgram(editor.folder, "scene");
    // The check window, when one opens, is listed among the messages and answered.
    const auto answer =
        [&editor](const QString& button) {
            QTimer::singleShot(0, &editor.window, [&editor, button] {
                QWidget* check = QApplication::activeModalWidget();
                if (!check || check->objectName() != "frmCheck") {
                    return;
                }
                auto* problems = check->findChild<QListWidget*>("Problems");
                editor.dialogs.shown
                    << problems->item(0)->text() + " Cancel first: " +
                           check->findChild<QWidget*>("Cancel")->property("default").toString();
                button == "Enter"
                    ? QTest::keyClick(problems, Qt::Key_Return)
                    : QTest::mouseClick(check->findChild<QWidget*>(button), Qt::LeftButton);
            });
        };
    const QString twice = "Klingon BC Hornet 1 2 3 4 <internal> ()";
    const QString asked = "Scenario file 'Patrol.sco' already exists. Overwrite?";
    const QString checked =
        "Line 8: The name \"Hornet\" is already used on line 7. Cancel first: true";
    const QString compile = "compile Patrol", play = compile + "; nobanner scenario Patrol.sco";
    struct Row {
        QString title, line, command, button, calls;
        QStringList shown;
    };
    const Row rows[] = {
        {"", Korg, "F5", "", "", {TitleRequiredMessage}},
        {"Patrol", Korg, "F5", "", compile, {CompiledMessage, GameNotFoundMessage}},
        {"Patrol", Korg, "F5", "Halvex.exe", "", {asked}},
        {"Patrol", Korg, "F5", "Yes", play, {asked, CompiledMessage}},
        {"Patrol", twice, "press", "Enter", "", {checked}},
        {"Patrol", twice, "F5", "CompileAnyway", play, {checked, asked, CompiledMessage}},
        {"a/b",
         twice,
         "press",
         "",
         "",
         {CompileRefusal("a/b", {Hornet}, editor.folder.path())->c_str()}},
        {"Patrol", Korg, "F5", "fail", compile, {asked, NotCompiledMessage}},
    };
    for (const Row& row : rows) {
        if (row.button == "Halvex.exe") {
            InstallFakeProgram(editor.folder, "Halvex.exe");
        } else if (row.button == "fail") {
            MakeFakeCompilerFail(editor.folder);
        }
        editor.dialogs.answers = {row.button != "Halvex.exe"};
        editor.dialogs.shown.clear();
        editor.watched.calls.clear();
        editor.run({"menu mnuNew", "set SCE " + row.title});
        editor.forces()->setLines({Hornet, row.line});
        editor.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editor.window));
        editor.find("Summary")->setFocus();
        answer(row.button);
        // F5 reaches the menu from a text box too.
        row.command == "F5" ? editor.key(Qt::Key_F5, {}) : editor.run({"press Compile"});
        QCoreApplication::processEvents();
        QCOMPARE(editor.dialogs.shown, row.shown);
        QCOMPARE(editor.watched.calls.join(';'), row.calls);
    }
    const auto scene = WaitForRecord(editor.folder, "scene");
    const auto game = WaitForRecord(editor.folder, "Halvex.exe");
    QVERIFY(scene && game);
    QCOMPARE(scene->arguments, std::vector<std::string>{"Patrol.sce"});
    QCOMPARE(game->arguments, (std::vector<std::string>{"nobanner", "scenario", "Patrol.sco"}));
    QCOMPARE(scene->workingFolder + '|' + game->workingFolder,
             editor.folder.path() + '|' + editor.folder.path());
}

void frmMainTest::historyViewJumpsToAStepAndFollowsTheEditor() {
    EditorWindow editor;
    editor.dialogs.paths = {Data + "patrol.sce", Data + "no-forces.sce", Data + "hand-edited.sce"};
    editor.run({"menu mnuOpen", "menu mnuOpen", "menu mnuOpen", "type Description x"});
    editor.key(Qt::Key_H);
    auto* view = editor.find<QUndoView>("History");
    QVERIFY(view && view->isVisible());
    // The steps, the current one marked.
    const auto rows = [view] {
        QStringList shown;
        for (int row = 0; row < view->model()->rowCount(); ++row) {
            shown << (view->currentIndex().row() == row ? ">" : "") +
                         view->model()->index(row, 0).data().toString();
        }
        return shown.join(", ");
    };
    QCOMPARE(rows(), "Start, Open Scenario, Open Scenario, Open Scenario, >Type Description");
    const QRect second = view->visualRect(view->model()->index(1, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(editor.texts("SCE shipCount"), "Patrol|2");
    QCOMPARE(rows(), "Start, >Open Scenario, Open Scenario, Open Scenario, Type Description");
    // A new step drops those undone, in the view as in the history.
    editor.run({"menu mnuNew"});
    QCOMPARE(rows(), "Start, Open Scenario, >New Scenario");
}

void frmMainTest::recentFilesAreKeptNewestFirstInTheSettingsGiven() {
    const TestFolder home;
    const QString stored = QString::fromStdString(home.file("Forgeline.conf"));
    QSettings settings(stored, QSettings::IniFormat);
    EditorWindow editor({}, &settings);
    const auto recent = [&editor](const EditorWindow& window) {
        QStringList captions;
        for (const QAction* item : window.find<QMenu>("mnuRecent")->actions()) {
            captions << item->text();
        }
        return captions.join(' ').remove(editor.path(""));
    };
    // A file that cannot be opened is no recent file; a saved one is.
    for (const char* name :
         {"s0", "s1", "s2", "s3", "s4", "s5", "s6", "s7", "s8", "gone", "R&D", "s4"}) {
        if (name[0] == 's') {
            editor.folder.write(name + std::string(".sce"), "Name: S\r\n\r\n\r\n\r\n\r\n\r\n");
        }
        editor.dialogs.paths.push_back(editor.path(name) + ".sce");
        editor.run({name == std::string("R&D") ? "menu mnuSave" : "menu mnuOpen"});
    }
    const QString expected =
        "&1 s4.sce &2 R&&D.sce &3 s8.sce &4 s7.sce &5 s6.sce &6 s5.sce &7 s3.sce &8 s2.sce";
    QCOMPARE(recent(editor), expected);

    // Kept for the next run under one key, and nothing else.
    QSettings again(stored, QSettings::IniFormat);
    QCOMPARE(again.allKeys(), QStringList({"RecentFiles"}));
    EditorWindow next({}, &again);
    QCOMPARE(recent(next), expected);
    // A file gone is said to be so and taken off; one there is opened and put first.
    std::filesystem::remove(editor.folder.file("s8.sce"));
    next.dialogs.shown.clear();
    next.find<QMenu>("mnuRecent")->actions()[2]->trigger();
    next.find<QMenu>("mnuRecent")->actions()[1]->trigger();
    QCOMPARE(next.dialogs.shown, QStringList({QString::fromStdString(
                                     MissingRecentFileMessage(editor.folder.file("s8.sce")))}));
    QCOMPARE(next.texts("SCE"), "S");
    QCOMPARE(recent(next),
             "&1 R&&D.sce &2 s4.sce &3 s7.sce &4 s6.sce &5 s5.sce &6 s3.sce &7 s2.sce");
    // A settings file that is a link is never written through.
    home.write("elsewhere", "kept");
    std::filesystem::remove(stored.toStdString());
    std::error_code linked;
    std::filesystem::create_symlink(home.file("elsewhere"), stored.toStdString(), linked);
    if (linked) {
        // As on Windows, where making a link takes a privilege and this library makes none.
        QSKIP("No symbolic link can be made here.");
    }
    next.find<QMenu>("mnuRecent")->actions()[1]->trigger();
    QCOMPARE(home.read("elsewhere"), "kept");
}

QTEST_MAIN(frmMainTest)
#include "frmMainTest.moc"
