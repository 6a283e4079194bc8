#include "random/window/frmRandom.h"

#include "../ScriptedRandom.h"
#include "ExpectedFailures.h"
#include "ScriptedDialogs.h"
#include "TestFolder.h"
#include "files/FolderToolchain.h"
#include "ui/LineList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <filesystem>

using namespace forgeline;
using namespace forgeline::testing;

namespace {

const QStringList Boxes = {"MinFr",    "MaxFr",   "MinFRanX", "MaxFRanX", "MinFRanY",
                           "MaxFRanY", "MinEn",   "MaxEn",    "MinNat",   "MaxNat",
                           "MinRanX",  "MaxRanX", "MinRanY",  "MaxRanY"};

struct Window {
    TestFolder folder;
    ScriptedDialogs dialogs;
    FolderToolchain toolchain{folder.path(), std::chrono::milliseconds(700)};
    frmRandom form{Services{folder.path(), &toolchain, &dialogs, {}}};

    Window() {
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
    }
    template <typename T = QLineEdit> T* find(QString name) { return form.findChild<T*>(name); }
    QString shownIn(const QStringList& names) {
        QStringList all;
        for (const QString& name : names) {
            const QWidget* widget = name == form.objectName() ? &form : find<QWidget>(name);
            const auto* list = qobject_cast<const QComboBox*>(widget);
            const char* title = widget->isWindow() ? "windowTitle" : list ? "currentText" : "title";
            QStringList texts{widget->property(title).toString() +
                              widget->property("text").toString()};
            for (int i = 0; list && i < list->count(); ++i) {
                texts << list->itemText(i);
            }
            for (const QLabel* label : widget->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
                texts << label->text();
            }
            all << texts.join('|');
        }
        return all.join(' ');
    }
    void leave() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }
    void typeOver(const QString& name, const QString& keys) {
        find(name)->setFocus();
        find(name)->selectAll();
        QTest::keyClicks(find(name), keys);
    }
    void chooseAgain(const char* name) {
        find<QComboBox>(name)->showPopup();
        QTest::keyClick(find<QComboBox>(name)->view(), Qt::Key_Return);
    }
    void generate() { QTest::mouseClick(find<QPushButton>("cmdGenerate"), Qt::LeftButton); }
};

} // namespace

class frmRandomTest : public QObject {
    Q_OBJECT

  private slots:
    void opensWithItsDesign() {
        Window w;
        QCOMPARE(w.shownIn({"Nation", "ship", "shipname", "shipCount"}),
                 "Nation:|Federation|Klingon|Romulan|Orion|Random Ship: ShipName 0");
        QVERIFY(w.find<QComboBox>("Nation")->currentIndex() == -1 &&
                w.find("shipCount")->isReadOnly() &&
                !w.find<QCheckBox>("RandomStart")->isChecked() &&
                w.find<LineList>("Forces")->count() == 0);

        for (const QString& next : QStringList{"Nation", "ship", "shipname", "RandomStart"} +
                                       Boxes + QStringList{"cmdGenerate", "Forces"}) {
            QCOMPARE(QApplication::focusWidget()->objectName(), next);
            w.leave();
        }
        QCOMPARE(w.shownIn(Boxes),
                 "1 10 -25000 25000 -25000 25000 1 20 1 3 -25000 25000 -25000 25000");
    }

    void boxesKeepTheirRules() {
        Window w;
        for (const QString& box : Boxes) {
            w.typeOver(box, "");
            QTest::keyClick(w.find(box), Qt::Key_Backspace);
            QTest::keyClick(w.find(box), Qt::Key_Space);
            QCOMPARE(QApplication::focusWidget()->objectName() + w.find(box)->text(), box);
            w.leave();
        }
        QCOMPARE(w.shownIn(Boxes),
                 "1 10 -25000 25000 -25000 25000 1 20 1 1 -25000 25000 -25000 -24000");
        w.typeOver("MinEn", "25");
        w.typeOver("MaxFRanX", "q");
        w.typeOver("MinRanY", "-");
        QCOMPARE(w.shownIn({"MinEn", "MaxFRanX", "MinRanY"}), QStringLiteral("19 -24000 -"));
        w.leave();
        QCOMPARE(w.shownIn({"MinRanY"}), QStringLiteral("-25000"));
    }

    void choosesThePlayerShipGeneratesAndPlays() {
        Window w;
        InstallFakeProgram(w.folder, "scene");
        InstallFakeProgram(w.folder, "Halvex.exe");
        auto draws = std::make_unique<ScriptedRandom>(std::vector{0.6, 0.9999}, 7);
        const ScriptedRandom& random = *draws;
        w.form.setRandomSource(std::move(draws));
        auto* nation = w.find<QComboBox>("Nation");
        auto* ship = w.find<QComboBox>("ship");
        QLineEdit* name = w.find("shipname");
        nation->setCurrentIndex(4);
        ship->setCurrentIndex(3);
        QCOMPARE(w.shownIn({"Nation", "ship"}),
                 "Romulan|Federation|Klingon|Romulan|Orion|Random Frigate|WE|BP|Frigate|Random");
        QVERIFY(random.used == 2 && random.extra == 0);

        nation->setFocus();
        QTest::keyClick(nation, Qt::Key_Down);
        // The item chosen is selected whole, shown from its start; End goes on after it.
        QTest::keyClick(nation, Qt::Key_End);
        QTest::keyClicks(nation, " ia");
        QTest::keyClick(nation, Qt::Key_Return);
        QCOMPARE(w.shownIn({"Nation", "ship"}),
                 "Orionia|Federation|Klingon|Romulan|Orion|Random "
                 "|Assassin|Raider|Saboteur|Anarchist|Grappler|Armadillo|Random");
        ship->setCurrentIndex(1);
        w.chooseAgain("Nation");
        QVERIFY(nation->currentIndex() == 3 && ship->count() == 7 && ship->currentIndex() == -1);

        // Reached by keyboard, the name keeps its placeholder; a click clears it.
        ship->setCurrentIndex(1);
        ship->setFocus();
        w.leave();
        QVERIFY(QApplication::focusWidget() == name && name->text() == "ShipName");
        QTest::mouseClick(name, Qt::LeftButton);
        QTest::keyClick(name, Qt::Key_Space);
        w.leave();
        QCOMPARE(name->text(), QStringLiteral("ShipName"));
        QTest::mouseClick(name, Qt::LeftButton);
        QTest::keyClicks(name, "Ko rg");
        QTest::mouseClick(name, Qt::LeftButton);
        QCOMPARE(name->text(), QStringLiteral("Korg"));

        // Answered No, then Yes from a random start, then Yes without the game, then Yes with a
        // compiler that leaves nothing.
        const QString asked = "Are you satisfied with this generation?";
        auto* forces = w.find<LineList>("Forces");
        w.dialogs.answers = {false, true, true, true};
        w.generate();
        QCOMPARE(w.dialogs.shown, QStringList({asked}));
        QCOMPARE(w.shownIn({"shipCount"}), QString::number(forces->count()));
        QVERIFY(forces->count() >= 2 && forces->line(0).startsWith("Orion Raider Korg 0 0 "));
        QVERIFY(forces->line(0).endsWith(" <player> ()") && !w.folder.exists("random.sce"));
        w.find<QCheckBox>("RandomStart")->setChecked(true);
        w.generate();
        QVERIFY(QGuiApplication::overrideCursor() == nullptr &&
                !forces->line(0).startsWith("Orion Raider Korg 0 0 "));
        QCOMPARE(WaitForRecord(w.folder, "scene").value().arguments,
                 std::vector<std::string>({"random.sce"}));
        QCOMPARE(WaitForRecord(w.folder, "Halvex.exe").value().arguments,
                 std::vector<std::string>({"nobanner", "scenario", "random.sco"}));
        QVERIFY(RemoveOnceFree(w.folder, "Halvex.exe"));
        w.generate();
        MakeFakeCompilerFail(w.folder);
        w.generate();
        QCOMPARE(w.dialogs.shown, QStringList({asked, asked, asked, GameNotFoundMessage, asked,
                                               "Scenario did not compile."}));
        QCOMPARE(
            w.folder.read("random.sce"),
            "Name: random\r\nSummary: Randomly Generated Scenario.\r\nDescription: This scenario "
            "was generated ranomly by the Forgeline.\r\nObjective: Destroy the enemies.\r\n"
            "Code: <internal>\r\nForces: \r\n" +
                (forces->lines().join("\r\n") + "\r\n").toStdString());

        // A delete or a write that fails says why, and nothing is compiled.
        w.dialogs.answers = {true, true};
        w.folder.write("random.sco", "old");
        {
            const FailingDeletes locked({13, "Permission denied"});
            w.generate();
        }
        std::filesystem::remove(w.folder.file("random.sce"));
        w.folder.makeFolder("random.sce");
        w.generate();
        QCOMPARE(w.folder.read("random.sco"), "old");
        QCOMPARE(w.dialogs.shown.mid(6),
                 QStringList({asked, "Error: Permission denied", asked,
                              "Error: " + QString::fromStdString(
                                              PlatformFailures().folderAsFile.description)}));

        const QString count = w.shownIn({"shipCount"});
        w.chooseAgain("Nation");
        w.generate();
        QCOMPARE(w.dialogs.shown.last(),
                 QStringLiteral("Complete the player ship information please."));
        QVERIFY(forces->count() == 0 && w.shownIn({"shipCount"}) == count);
    }
};

QTEST_MAIN(frmRandomTest)
#include "frmRandomTest.moc"
