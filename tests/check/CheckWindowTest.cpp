#include "ScriptedDialogs.h"
#include "TestFolder.h"
#include "check/window/frmCheck.h"
#include "editor/CommandMessages.h"
#include "editor/window/frmMain.h"
#include "files/FolderToolchain.h"
#include "ui/LineList.h"

#include <QtTest>
#include <QtWidgets>

using namespace forgeline;
using namespace forgeline::testing;

class CheckWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void droppedFileOpensAndItsProblemsSelectTheirLines();
};

namespace {

// What the check window lists once opened, after choosing the row given (-1 for none).
QStringList checkChoosing(frmMain& editor, int row) {
    QStringList listed;
    QTimer::singleShot(0, [&listed, row] {
        auto* check = qobject_cast<frmCheck*>(QApplication::activeModalWidget());
        if (!check) {
            return;
        }
        auto* problems = check->findChild<QListWidget*>(QStringLiteral("Problems"));
        for (int i = 0; i < problems->count(); ++i) {
            listed << problems->item(i)->text();
        }
        problems->setCurrentRow(row);
        check->reject();
    });
    editor.findChild<QAction*>(QStringLiteral("mnuCheck"))->trigger();
    return listed;
}

} // namespace

void CheckWindowTest::droppedFileOpensAndItsProblemsSelectTheirLines() {
    TestFolder folder;
    ScriptedDialogs dialogs;
    FolderToolchain toolchain(folder.path());
    frmMain editor({folder.path(), &toolchain, &dialogs, {}});
    editor.show();
    QVERIFY(QTest::qWaitForWindowActive(&editor));

#ifdef _WIN32
    // Windows names files in Unicode: a name beyond ASCII must still reach its file.
    const std::string name = "Patrol \u00e9\u20ac.sce";
    const QUrl dropped = QUrl::fromLocalFile(QString::fromStdString(folder.file(name)));
#else
    // A Linux file name need not be UTF-8: the dropped address must still reach its bytes.
    const std::string name = "Patrol \xFF.sce";
    const QUrl dropped = QUrl::fromEncoded(
        "file://" + QByteArray::fromStdString(folder.file(name)).toPercentEncoding("/"));
#endif
    folder.write(name, "Name: Patrol\r\nSummary: \r\nDescription: \r\nObjective: \r\n"
                       "Code: <internal>\r\nForces: \r\n"
                       "Federation Destroyer Hornet 0 0 90 2 <player> ()\r\n"
                       "Klingon BC Korg 1500 -200 270 3 <internal> ()\r\n"
                       "Romulan WE Hornet 5 5 0 1 <internal> ()\r\n");
    folder.write("notes.txt", "");
    const QUrl& scenario = dropped;
    auto* title = editor.findChild<QLineEdit*>(QStringLiteral("SCE"));
    // Only a single local .sce opens, as a copy even where Shift asks for a move; anything
    // else is refused with a message, and no box takes the addresses as text.
    for (const QList<QUrl>& urls :
         {QList<QUrl>{scenario, scenario},
          {QUrl::fromLocalFile(QString::fromStdString(folder.file("notes.txt")))},
          {QUrl("https://example.org/Patrol.sce")},
          {scenario}}) {
        dialogs.shown.clear();
        QMimeData data;
        data.setUrls(urls);
        data.setText(QStringLiteral("not for the title box"));
        const auto actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter({4, 4}, actions, &data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(title, &enter);
        QVERIFY(enter.isAccepted() && enter.dropAction() == Qt::CopyAction);
        QDropEvent drop({4, 4}, actions, &data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(title, &drop);
        QCoreApplication::processEvents();
        const bool opens = urls.size() == 1 && urls.front() == scenario;
        QCOMPARE(drop.isAccepted() && drop.dropAction() == Qt::CopyAction, opens);
        QCOMPARE(title->text(), opens ? "Patrol" : "");
        QCOMPARE(dialogs.shown, opens ? QStringList() : QStringList({DropRefusedMessage}));
    }
    auto* forces = editor.findChild<LineList*>(QStringLiteral("Forces"));
    QCOMPARE(forces->count(), 3);

    QCOMPARE(checkChoosing(editor, 0),
             QStringList({"Line 9: The name \"Hornet\" is already used on line 7."}));
    QCOMPARE(forces->selectedRow(), 2);
    QCOMPARE(editor.findChild<QComboBox*>(QStringLiteral("Nation"))->currentText(), "Romulan");
    QVERIFY(editor.findChild<QPushButton*>(QStringLiteral("EditShip"))->isEnabled());

    forces->remove(2);
    QCOMPARE(checkChoosing(editor, -1), QStringList({"No problems found."}));
}

QTEST_MAIN(CheckWindowTest)
#include "CheckWindowTest.moc"
