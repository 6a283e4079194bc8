#include "play/window/frmPlay.h"

#include "ExpectedFailures.h"
#include "ScriptedDialogs.h"
#include "TestFolder.h"
#include "files/FolderToolchain.h"
#include "ui/LineList.h"

#include <QtTest>
#include <QtWidgets>
#include <filesystem>

using namespace forgeline;
using namespace forgeline::testing;

class frmPlayTest : public QObject {
    Q_OBJECT

  private slots:
    void browseEachPickAndLaunchTheGame();
    void aNameInNoUtf8IsReadAndPassedAsItsBytes();
};

void frmPlayTest::browseEachPickAndLaunchTheGame() {
    TestFolder folder;
    for (const char* name : {"Short.sco", "Alpha.sco", "notes.txt", "Gamma.SCO"}) {
        folder.write(name, "");
    }
    folder.write("Alpha.sce", "Name: Alpha\r\nSummary: S\r\nDescription: D\r\nObjective: O\r\n"
                              "Code: <internal>\r\nForces: \r\nKorg\r\nKang\r\n");
    folder.write("Short.sce", "Name: Short\r\nSummary: Three lines\r\nDescription: only\r\n");
    FolderToolchain toolchain(folder.path());
    ScriptedDialogs dialogs;
    frmPlay window({folder.path(), &toolchain, &dialogs, {}});
    window.show();
    const auto find = [&](const char* name) { return window.findChild<QWidget*>(name); };
    auto* scenarios = window.findChild<LineList*>("Scenarios");
    // What the boxes show, the ship count and the forces, joined by "|".
    const auto shown = [&] {
        QStringList texts;
        for (const char* name : {"SCE", "Summary", "Description", "Objective", "shipCount"}) {
            const QVariant plain = find(name)->property("plainText");
            texts << (plain.isValid() ? plain : find(name)->property("text")).toString();
        }
        return texts.join('|') + '|' + window.findChild<LineList*>("Forces")->lines().join(';');
    };
    const auto pick = [&](int row) {
        const QRect rect = scenarios->visualRect(scenarios->model()->index(row, 0));
        QTest::mouseClick(scenarios->viewport(), Qt::LeftButton, {}, rect.center());
    };
    const auto launch = [&] { QTest::mouseClick(find("cmdLaunch"), Qt::LeftButton); };
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(scenarios->lines(), QStringList({"Alpha.sco", "Gamma.SCO", "Short.sco"}));
    QCOMPARE(shown(), "||||0|");
    for (const char* name : {"SCE", "Summary", "Description", "Objective", "shipCount"}) {
        QVERIFY2(find(name)->property("readOnly").toBool(), name);
    }
    for (const char* name : {"Description", "Objective"}) {
        QCOMPARE(find(name)->property("verticalScrollBarPolicy").toInt(), Qt::ScrollBarAlwaysOn);
    }
    // The list has the focus at start.
    QStringList order = {QApplication::focusWidget()->objectName()};
    while (order.size() < 9) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order.join(' '),
             "Scenarios cmdLaunch Objective Description Summary SCE Forces shipCount Scenarios");

    // Enter in the list is no click on the button; without a game the button says so, and with
    // nothing chosen the game gets an empty entry.
    QTest::keyClick(scenarios, Qt::Key_Return);
    launch();
    InstallFakeProgram(folder, "Halvex.exe");
    launch();
    auto record = WaitForRecord(folder, "Halvex.exe");
    QVERIFY(record);
    QCOMPARE(record->workingFolder, folder.path());
    QCOMPARE(record->arguments, (std::vector<std::string>{"nobanner", "scenario"}));

    // Each pick replaces what the previous one showed.
    QVERIFY(RemoveOnceFree(folder, "Halvex.exe.record"));
    pick(0);
    QCOMPARE(shown(), "Alpha|S|D|O|2|Korg;Kang");
    pick(2);
    QCOMPARE(shown(), "Short|Three lines|only||0|");
    launch();
    record = WaitForRecord(folder, "Halvex.exe");
    QVERIFY(record);
    QCOMPARE(record->arguments, (std::vector<std::string>{"nobanner", "scenario", "Short.sco"}));
    // A game that is there but cannot be run says why, as the shell would.
    QVERIFY(RemoveOnceFree(folder, "Halvex.exe"));
    folder.write("Halvex.exe", "not a program");
    launch();
    QCOMPARE(dialogs.shown,
             QStringList({"Game not found. 'Halvex.exe' must be in same folder as the Forgeline.",
                          "Scenario file 'Short.sce' could not be read to its end: 62 - Input past "
                          "end of file",
                          PlatformFailures().notAProgram.description.c_str()}));
    QVERIFY(window.isVisible());
}

void frmPlayTest::aNameInNoUtf8IsReadAndPassedAsItsBytes() {
#ifdef _WIN32
    QSKIP("Windows names files in UTF-16: no name is made of bytes outside UTF-8");
#endif
    TestFolder folder;
    folder.write("Caf\xe9.sco", "");
    folder.write("Caf\xe9.sce", "Name: Latin-1\r\nSummary: \r\nDescription: \r\nObjective: \r\n");
    InstallFakeProgram(folder, "Halvex.exe");
    FolderToolchain toolchain(folder.path());
    ScriptedDialogs dialogs;
    frmPlay window({folder.path(), &toolchain, &dialogs, {}});
    window.findChild<LineList*>("Scenarios")->selectRow(0);
    QCOMPARE(window.findChild<QLineEdit*>("SCE")->text(), "Latin-1");
    QTest::mouseClick(window.findChild<QWidget*>("cmdLaunch"), Qt::LeftButton);
    const auto record = WaitForRecord(folder, "Halvex.exe");
    QVERIFY(record);
    QCOMPARE(record->arguments, (std::vector<std::string>{"nobanner", "scenario", "Caf\xe9.sco"}));
}

QTEST_MAIN(frmPlayTest)
#include "frmPlayTest.moc"
