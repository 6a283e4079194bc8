#include "EditorWindow.h"
#include "ExpectedFailures.h"

#include <QApplication>
#include <QTimer>
#include <filesystem>

using namespace forgeline;
using namespace forgeline::testing;

namespace {

const QString Filter = QStringLiteral("Scenario Files (*.sce)|*.sce|All File Types (*.*)|*.*");

std::string testData(const char* name) {
    return std::string(FORGELINE_TEST_DATA) + "/" + name;
}

QString qTestData(const char* name) {
    return QString::fromStdString(testData(name));
}

// Open and Save report a failure as its code, " - " and its text.
QString fileFailure(const Failure& failure) {
    return QString::number(failure.code) + QStringLiteral(" - ") +
           QString::fromStdString(failure.description);
}

QStringList filesIn(const TestFolder& folder) {
    QStringList names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        names << QString::fromStdString(entry.path().filename().string());
    }
    names.sort();
    return names;
}

void writePatrol(const EditorWindow& editor) {
    editor.type("SCE", "Patrol");
    editor.type("Summary", "A quiet patrol.");
    editor.type("Description", "Three ships hold the line.");
    editor.type("Objective", "Survive.");
    editor.addShip("Federation Destroyer Hornet 0 0 90 2 <player>");
    editor.addShip("Klingon BC Korg 1500 -200 270 3 <internal>");
}

} // namespace

class frmMainCommandsTest : public QObject {
    Q_OBJECT

  private slots:
    void compileFromTypingToSuccess();
    void compileRefusesInItsOrder();
    void compileAsksBeforeReplacingAnOldCompile();
    void compileWithoutAWorkingCompiler();
    void openFillsWhatItCouldRead();
    void saveWritesWhereTheUserChose();
    void newEmptiesTheScenarioButKeepsTheChoices();
    void exitEndsTheProgram();
};

void frmMainCommandsTest::compileFromTypingToSuccess() {
    EditorWindow editor;
    InstallFakeProgram(editor.folder, "scene");
    writePatrol(editor);
    QCOMPARE(editor.box("shipCount")->text(), QStringLiteral("2"));

    editor.press("Compile");
    QCOMPARE(editor.dialogs.shown, QStringList({"Scenario compiled successfully."}));
    QCOMPARE(editor.folder.read("Patrol.sce"), ReadWholeFile(testData("patrol.sce")));
    QVERIFY(editor.folder.exists("Patrol.sco"));
    const auto record = WaitForRecord(editor.folder, "scene");
    QVERIFY(record);
    QCOMPARE(record->arguments, std::vector<std::string>{"Patrol.sce"});
    QCOMPARE(record->workingFolder, editor.folder.path());
    QCOMPARE(editor.watched.cursorWhileCompiling, std::optional(Qt::WaitCursor));
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void frmMainCommandsTest::compileRefusesInItsOrder() {
    EditorWindow editor;
    InstallFakeProgram(editor.folder, "scene");
    editor.press("Compile");
    QCOMPARE(editor.dialogs.shown, QStringList({"Scenario Title required."}));

    editor.addShip("Federation Destroyer Hornet 0 0 90 2 <player>");
    editor.press("Compile");
    QCOMPARE(editor.dialogs.shown.last(), QStringLiteral("Scenario Title required."));

    editor.press("reset");
    editor.type("SCE", "Patrol");
    editor.press("Compile");
    QCOMPARE(editor.dialogs.shown.last(), QStringLiteral("No forces created."));

    // Without a player ship nothing is asked and no file is touched.
    editor.folder.write("Patrol.sco", "old");
    editor.addShip("Klingon BC Korg 1500 -200 270 3 <internal>");
    editor.press("Compile");
    QCOMPARE(editor.dialogs.shown.last(),
             QStringLiteral("Must have at least 1 <player> designated ship to compile."));
    QCOMPARE(editor.folder.read("Patrol.sco"), std::string("old"));

    // A title that cannot name a file in the program's folder is refused before any file.
    editor.addShip("Klingon BC Kang 1 2 3 4 <player>");
    editor.type("SCE", ":2");
    editor.press("Compile");
    QCOMPARE(editor.dialogs.shown.last(),
             QStringLiteral("Error: The scenario title cannot be used as a file name: it holds "
                            "\":\"."));
    editor.box("SCE")->setText(QStringLiteral(".."));
    editor.press("Compile");
    QCOMPARE(editor.dialogs.shown.last(),
             QStringLiteral("Error: The scenario title cannot be used as a file name: it is "
                            "\"..\"."));
    QCOMPARE(editor.dialogs.shown.size(), 6);
    QCOMPARE(filesIn(editor.folder), QStringList({"Patrol.sco", "scene"}));
}

void frmMainCommandsTest::compileAsksBeforeReplacingAnOldCompile() {
    EditorWindow editor;
    InstallFakeProgram(editor.folder, "scene");
    writePatrol(editor);
    editor.folder.write("Patrol.sco", "old");
    editor.folder.write("Patrol.sce", "old source");

    editor.dialogs.answers = {false};
    editor.press("Compile");
    QCOMPARE(editor.dialogs.shown,
             QStringList({"Scenario file 'Patrol.sco' already exists. Overwrite?"}));
    QCOMPARE(editor.folder.read("Patrol.sco"), std::string("old"));
    QCOMPARE(editor.folder.read("Patrol.sce"), std::string("old source"));
    QVERIFY(!editor.folder.exists("scene.record"));

    editor.dialogs.shown.clear();
    editor.dialogs.answers = {true};
    editor.press("Compile");
    QCOMPARE(editor.dialogs.shown,
             QStringList({"Scenario file 'Patrol.sco' already exists. Overwrite?",
                          "Scenario compiled successfully."}));
    QCOMPARE(editor.folder.read("Patrol.sco"), std::string("compiled\n"));
    QCOMPARE(editor.folder.read("Patrol.sce"), ReadWholeFile(testData("patrol.sce")));
}

void frmMainCommandsTest::compileWithoutAWorkingCompiler() {
    EditorWindow editor;
    // A scenario opened from elsewhere is compiled from the program's folder, named after its
    // title; the file it came from is left alone.
    editor.dialogs.paths.push_back(qTestData("patrol.sce"));
    editor.action("mnuOpen")->trigger();
    editor.clickLine(0);
    editor.press("Compile");
    QCOMPARE(editor.dialogs.shown, QStringList({QString::fromStdString("Cannot find 'scene' in " +
                                                                       editor.folder.path() + "."),
                                                "Scenario did not compile."}));
    QCOMPARE(editor.folder.read("Patrol.sce"), ReadWholeFile(testData("patrol.sce")));

    // A compiler that leaves no .sco fails quietly; the .sce is replaced all the same.
    editor.dialogs.shown.clear();
    InstallFakeProgram(editor.folder, "scene");
    MakeFakeCompilerFail(editor.folder);
    editor.box("shipname")->setText(QStringLiteral("Wasp"));
    editor.press("EditShip");
    editor.press("Compile");
    QCOMPARE(editor.dialogs.shown, QStringList({"Scenario did not compile."}));
    QVERIFY(WaitForRecord(editor.folder, "scene"));
    QVERIFY(!editor.folder.exists("Patrol.sco"));
    QVERIFY(editor.folder.read("Patrol.sce").find("Federation Destroyer Wasp 0 0 90 2") !=
            std::string::npos);
}

void frmMainCommandsTest::openFillsWhatItCouldRead() {
    EditorWindow editor;
    editor.type("SCE", "Before");
    editor.addShip("Romulan BP Tal 5 6 7 8 <player>");
    editor.addShip("Romulan BP Vreenak 5 6 7 8 <player>");
    editor.clickLine(0);
    const QString fields = editor.list("Nation")->currentText() +
                           editor.list("ship")->currentText() + editor.box("shipname")->text() +
                           editor.box("warp")->text();

    editor.action("mnuOpen")->trigger();
    QCOMPARE(editor.dialogs.fileDialogs.size(), std::size_t(1));
    const FileDialogSetup& setup = editor.dialogs.fileDialogs.front();
    QCOMPARE(setup.title, QStringLiteral("Select File to Open..."));
    QCOMPARE(setup.filter, Filter);
    QCOMPARE(setup.startFolder, QString::fromStdString(editor.folder.path()));
    QVERIFY(!setup.confirmOverwrite);
    QCOMPARE(editor.forces()->count(), 2);
    QVERIFY(editor.dialogs.shown.isEmpty());

    editor.dialogs.paths.push_back(QString::fromStdString(editor.folder.file("missing.sce")));
    editor.action("mnuOpen")->trigger();
    QCOMPARE(editor.dialogs.shown, QStringList({fileFailure(PlatformFailures().missingFile)}));
    QCOMPARE(editor.forces()->count(), 0);
    QCOMPARE(editor.box("shipCount")->text(), QStringLiteral("0"));
    QCOMPARE(editor.box("SCE")->text(), QStringLiteral("Before"));

    editor.dialogs.paths.push_back(qTestData("four-lines.sce"));
    editor.action("mnuOpen")->trigger();
    QCOMPARE(editor.dialogs.shown.last(), QStringLiteral("62 - Input past end of file"));
    QCOMPARE(editor.box("SCE")->text(), QStringLiteral("Four"));
    QCOMPARE(editor.box("Summary")->text(), QStringLiteral("Only four lines"));
    QCOMPARE(editor.multi("Description")->toPlainText(), QStringLiteral("here"));
    QCOMPARE(editor.multi("Objective")->toPlainText(), QStringLiteral("and no more"));
    QCOMPARE(editor.forces()->count(), 0);

    editor.dialogs.paths.push_back(qTestData("blank-last-line.sce"));
    editor.action("mnuOpen")->trigger();
    QCOMPARE(editor.forces()->lines(),
             QStringList({"Federation Destroyer Hornet 0 0 90 2 <player> ()", ""}));
    QCOMPARE(editor.box("shipCount")->text(), QStringLiteral("2"));
    QCOMPARE(editor.multi("Objective")->toPlainText(), QStringLiteral("Survive."));

    // Text from a file is never cut to what may be typed.
    editor.dialogs.paths.push_back(qTestData("editor-long-title.sce"));
    editor.action("mnuOpen")->trigger();
    QCOMPARE(editor.box("SCE")->text(), QStringLiteral("A_Title_Of_Forty_Characters_From_A_File!"));
    QCOMPARE(editor.dialogs.shown.size(), 2);

    // The ship being edited is not Open's business.
    QCOMPARE(editor.list("Nation")->currentText() + editor.list("ship")->currentText() +
                 editor.box("shipname")->text() + editor.box("warp")->text(),
             fields);
    QVERIFY(editor.button("EditShip")->isEnabled());
    QCOMPARE(editor.button("EditShip")->property("Tag").toString(), QStringLiteral("0"));
}

void frmMainCommandsTest::saveWritesWhereTheUserChose() {
    EditorWindow editor;
    editor.action("mnuSave")->trigger();
    QCOMPARE(editor.dialogs.fileDialogs.size(), std::size_t(1));
    const FileDialogSetup& setup = editor.dialogs.fileDialogs.front();
    QCOMPARE(setup.title, QStringLiteral("Select Loation to Save to..."));
    QCOMPARE(setup.filter, Filter);
    QCOMPARE(setup.startFolder, QString::fromStdString(editor.folder.path()));
    QVERIFY(setup.confirmOverwrite);
    QCOMPARE(filesIn(editor.folder), QStringList());

    editor.dialogs.paths = {QString::fromStdString(editor.folder.file("empty.sce")),
                            QString::fromStdString(editor.folder.file("plain"))};
    editor.action("mnuSave")->trigger();
    QCOMPARE(editor.folder.read("empty.sce"), ReadWholeFile(testData("editor-empty.sce")));
    editor.action("mnuSave")->trigger();
    QCOMPARE(filesIn(editor.folder), QStringList({"empty.sce", "plain"}));

    // Saving over a file replaces all of it.
    writePatrol(editor);
    editor.folder.write("copy.sce", std::string(4096, 'x'));
    editor.dialogs.paths = {QString::fromStdString(editor.folder.file("copy.sce"))};
    editor.action("mnuSave")->trigger();
    QCOMPARE(editor.folder.read("copy.sce"), ReadWholeFile(testData("patrol.sce")));
    QVERIFY(editor.dialogs.shown.isEmpty());

    editor.dialogs.paths = {QString::fromStdString(editor.folder.file("no-such-folder/x.sce"))};
    editor.action("mnuSave")->trigger();
    QCOMPARE(editor.dialogs.shown, QStringList({fileFailure(PlatformFailures().missingFolder)}));
}

void frmMainCommandsTest::newEmptiesTheScenarioButKeepsTheChoices() {
    EditorWindow editor;
    writePatrol(editor);
    editor.clickLine(1);
    editor.box("X")->setText(QStringLiteral("-"));
    QTest::keyClick(editor.box("SCE"), Qt::Key_N, Qt::ControlModifier);

    QCOMPARE(editor.box("SCE")->text(), QString());
    QCOMPARE(editor.box("Summary")->text(), QString());
    QCOMPARE(editor.multi("Description")->toPlainText(), QString());
    QCOMPARE(editor.multi("Objective")->toPlainText(), QString());
    QCOMPARE(editor.forces()->count(), 0);
    QCOMPARE(editor.box("shipCount")->text(), QStringLiteral("0"));
    QCOMPARE(editor.list("ship")->count(), 0);
    QCOMPARE(editor.list("ship")->currentText(), QStringLiteral("Ship:"));
    QCOMPARE(editor.box("shipname")->text(), QStringLiteral("Name"));
    for (const char* number : {"X", "Y", "heading", "warp"}) {
        QCOMPARE(editor.box(number)->text(), QStringLiteral("0"));
    }
    QCOMPARE(editor.list("Nation")->currentText(), QStringLiteral("Klingon"));
    QCOMPARE(editor.list("Nation")->currentIndex(), 1);
    QCOMPARE(editor.list("playcomp")->currentIndex(), 1);
    QVERIFY(editor.button("RemShip")->isEnabled());
    QCOMPARE(editor.button("EditShip")->property("Tag").toString(), QStringLiteral("1"));
    QVERIFY(editor.dialogs.shown.isEmpty());
}

void frmMainCommandsTest::exitEndsTheProgram() {
    EditorWindow editor;
    QTimer::singleShot(0, editor.action("mnuExit"), &QAction::trigger);
    // Should Exit fail, the loop still ends, with another code.
    QTimer::singleShot(5000, [] { QApplication::exit(3); });
    QCOMPARE(QApplication::exec(), 0);
}

QTEST_MAIN(frmMainCommandsTest)
#include "frmMainCommandsTest.moc"
