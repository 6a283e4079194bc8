#include "random/window/frmRandom.h"

#include "ScriptedDialogs.h"
#include "TestFolder.h"
#include "files/FolderToolchain.h"
#include "ui/LineList.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <deque>

using namespace forgeline;
using forgeline::testing::InstallFakeProgram;
using forgeline::testing::ScriptedDialogs;
using forgeline::testing::TestFolder;
using forgeline::testing::WaitForRecord;

namespace {

// Gives the listed values in order and counts the draws asked for beyond them.
class ListedDraws final : public RandomSource {
  public:
    ListedDraws(std::deque<double> values, int* extraDraws)
        : values_(std::move(values)), extraDraws_(extraDraws) {}

    double next() override {
        if (values_.empty()) {
            ++*extraDraws_;
            return 0.0;
        }
        const double value = values_.front();
        values_.pop_front();
        return value;
    }

  private:
    std::deque<double> values_;
    int* extraDraws_;
};

QStringList labelTexts(const QWidget* parent) {
    QStringList texts;
    for (const QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        texts << label->text();
    }
    return texts;
}

QStringList entries(const QComboBox* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        texts << list->itemText(i);
    }
    return texts;
}

QRect twips(const QWidget* widget, int left, int top, int width, int height) {
    return {TwipsToPixelsX(widget, left), TwipsToPixelsY(widget, top),
            TwipsToPixelsX(widget, width), TwipsToPixelsY(widget, height)};
}

QString focusName() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

std::string scenarioFileFor(const QStringList& forces) {
    std::string text = "Name: random\r\n"
                       "Summary: Randomly Generated Scenario.\r\n"
                       "Description: This scenario was generated ranomly by the Forgeline.\r\n"
                       "Objective: Destroy the enemies.\r\n"
                       "Code: <internal>\r\n"
                       "Forces: \r\n";
    for (const QString& line : forces) {
        text += line.toStdString() + "\r\n";
    }
    return text;
}

} // namespace

class frmRandomTest : public QObject {
    Q_OBJECT

  private slots:
    void opensWithItsDesign();
    void countBoxesKeepTheirBoundsAndOrder();
    void rangeBoxesStayAThousandApart();
    void nationAndClassLists();
    void shipNamePlaceholder();
    void generationAnsweredNoThenIncomplete();
    void generationAnsweredYesIsPlayed();

  private:
    struct Window {
        TestFolder folder;
        ScriptedDialogs dialogs;
        FolderToolchain toolchain{folder.path(), std::chrono::milliseconds(700)};
        frmRandom form{Services{folder.path(), &toolchain, &dialogs}};

        Window() {
            form.show();
            QVERIFY(QTest::qWaitForWindowActive(&form));
        }

        template <typename T> T* find(const char* name) {
            return form.findChild<T*>(QLatin1String(name));
        }
        QLineEdit* edit(const char* name) { return find<QLineEdit>(name); }
        QString text(const char* name) { return edit(name)->text(); }
        QComboBox* list(const char* name) { return find<QComboBox>(name); }

        // Clicks into the box and types over its whole text, key by key.
        void typeOver(const char* name, const QString& keys) {
            QLineEdit* box = edit(name);
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, keys);
        }
        // Text arrives at once, as from the clipboard.
        void pasteOver(const char* name, const QString& text) {
            QLineEdit* box = edit(name);
            box->setFocus();
            box->selectAll();
            box->insert(text);
        }
        void clear(const char* name) {
            QLineEdit* box = edit(name);
            box->setFocus();
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Backspace);
        }
        void leave() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }

        // Opens the list and picks the entry already chosen.
        void chooseAgain(const char* name) {
            QComboBox* combo = list(name);
            combo->showPopup();
            QTest::keyClick(combo->view(), Qt::Key_Return);
        }

        void choosePlayerShip(int nation, int shipClass, const QString& name) {
            list("Nation")->setCurrentIndex(nation);
            list("ship")->setCurrentIndex(shipClass);
            edit("shipname")->setText(name);
        }
    };
};

void frmRandomTest::opensWithItsDesign() {
    Window w;
    frmRandom& form = w.form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Generate Random Scenario"));
    QCOMPARE(form.size(), QSize(TwipsToPixelsX(&form, 7095), TwipsToPixelsY(&form, 5655)));

    auto* frame1 = w.find<QGroupBox>("Frame1");
    auto* frame3 = w.find<QGroupBox>("Frame3");
    auto* frame2 = w.find<QGroupBox>("Frame2");
    QVERIFY(frame1 && frame2 && frame3);
    QCOMPARE(frame1->title(), QStringLiteral("Player Ship Settings"));
    QCOMPARE(frame3->title(), QStringLiteral("Friendly Fleet Settings"));
    QCOMPARE(frame2->title(), QStringLiteral("Enemy Fleet Settings"));
    QCOMPARE(frame2->geometry(), twips(&form, 120, 3000, 2895, 2055));

    QComboBox* nation = w.list("Nation");
    QComboBox* ship = w.list("ship");
    QCOMPARE(nation->parentWidget(), frame1);
    QCOMPARE(entries(nation), QStringList({"Federation", "Klingon", "Romulan", "Orion", "Random"}));
    QCOMPARE(nation->currentIndex(), -1);
    QCOMPARE(nation->currentText(), QStringLiteral("Nation:"));
    QCOMPARE(ship->count(), 0);
    QCOMPARE(ship->currentText(), QStringLiteral("Ship:"));
    QCOMPARE(ship->geometry(), twips(&form, 1440, 360, 1335, 315));
    QCOMPARE(w.text("shipname"), QStringLiteral("ShipName"));
    auto* randomStart = w.find<QCheckBox>("RandomStart");
    QCOMPARE(randomStart->text(), QStringLiteral("Random Start Location"));
    QVERIFY(!randomStart->isChecked());

    const std::pair<const char*, const char*> boxes[] = {
        {"MinFr", "1"},        {"MaxFr", "10"},        {"MinFRanX", "-25000"},
        {"MaxFRanX", "25000"}, {"MinFRanY", "-25000"}, {"MaxFRanY", "25000"},
        {"MinEn", "1"},        {"MaxEn", "20"},        {"MinNat", "1"},
        {"MaxNat", "3"},       {"MinRanX", "-25000"},  {"MaxRanX", "25000"},
        {"MinRanY", "-25000"}, {"MaxRanY", "25000"},
    };
    for (const auto& [name, text] : boxes) {
        QVERIFY2(w.edit(name), name);
        QCOMPARE(w.text(name), QLatin1String(text));
        QCOMPARE(w.edit(name)->parentWidget(),
                 std::string_view(name).find('F') != std::string_view::npos ? frame3 : frame2);
    }
    QCOMPARE(w.edit("MaxFr")->geometry(), twips(&form, 2040, 480, 375, 285));
    QCOMPARE(w.edit("MinRanY")->geometry(), twips(&form, 960, 1560, 735, 285));

    QCOMPARE(labelTexts(frame3), QStringList({"Min #", "Max #", "Ships:", "Range X:", "Range Y:"}));
    QCOMPARE(labelTexts(frame2),
             QStringList({"Min #", "Max #", "Ships:", "Nations:", "Range X:", "Range Y:"}));
    QCOMPARE(labelTexts(&form),
             QStringList({"Forces:", "Ship Count:",
                          "Current min/max range is the recommended settings. There is no min or "
                          "max cap for the range."}));

    auto* generate = w.find<QPushButton>("cmdGenerate");
    QCOMPARE(generate->text(), QStringLiteral("Generate and Play"));
    QVERIFY(generate->isEnabled());
    QCOMPARE(w.find<LineList>("Forces")->count(), 0);
    QCOMPARE(w.text("shipCount"), QStringLiteral("0"));
    QVERIFY(w.edit("shipCount")->isReadOnly());

    // Opens on Nation; Tab walks the controls in order and leaves every full box as it is.
    QCOMPARE(focusName(), QStringLiteral("Nation"));
    const QStringList order = {"ship",     "shipname", "RandomStart", "MinFr",    "MaxFr",
                               "MinFRanX", "MaxFRanX", "MinFRanY",    "MaxFRanY", "MinEn",
                               "MaxEn",    "MinNat",   "MaxNat",      "MinRanX",  "MaxRanX",
                               "MinRanY",  "MaxRanY",  "cmdGenerate", "Forces"};
    for (const QString& next : order) {
        w.leave();
        QCOMPARE(focusName(), next);
    }
    for (const auto& [name, text] : boxes) {
        QCOMPARE(w.text(name), QLatin1String(text));
    }
}

void frmRandomTest::countBoxesKeepTheirBoundsAndOrder() {
    Window w;
    w.typeOver("MinEn", "25");
    QCOMPARE(w.text("MinEn"), QStringLiteral("19"));
    QTest::keyClick(w.edit("MinEn"), Qt::Key_Space);
    QCOMPARE(w.text("MinEn"), QStringLiteral("19"));
    w.typeOver("MinEn", "30");
    QCOMPARE(w.text("MinEn"), QStringLiteral("1"));
    w.typeOver("MinEn", "q");
    QCOMPARE(w.text("MinEn"), QStringLiteral("1"));
    w.typeOver("MaxEn", "x");
    QCOMPARE(w.text("MaxEn"), QStringLiteral("20"));
    w.typeOver("MinEn", "5");
    w.typeOver("MaxEn", "5");
    QCOMPARE(w.text("MaxEn"), QStringLiteral("6"));
    w.typeOver("MinEn", "2.9");
    QCOMPARE(w.text("MinEn"), QStringLiteral("2.9"));
    w.typeOver("MaxEn", "1");
    QCOMPARE(w.text("MaxEn"), QStringLiteral("20"));

    w.typeOver("MaxFr", "1");
    QCOMPARE(w.text("MaxFr"), QStringLiteral("2"));
    w.typeOver("MaxFr", "0");
    QCOMPARE(w.text("MaxFr"), QStringLiteral("10"));
    w.typeOver("MinFr", "5");
    w.typeOver("MaxFr", "3");
    QCOMPARE(w.text("MaxFr"), QStringLiteral("6"));
    w.typeOver("MaxFr", "-");
    QCOMPARE(w.text("MaxFr"), QStringLiteral("10"));

    w.typeOver("MaxNat", "2");
    w.typeOver("MinNat", "3");
    QCOMPARE(w.text("MinNat"), QStringLiteral("2"));
    w.typeOver("MaxNat", "q");
    QCOMPARE(w.text("MaxNat"), QStringLiteral("3"));

    // An emptied box keeps the focus until it is left, and is then filled.
    w.clear("MinFr");
    QCOMPARE(w.text("MinFr"), QString());
    QCOMPARE(focusName(), QStringLiteral("MinFr"));
    w.leave();
    QCOMPARE(w.text("MinFr"), QStringLiteral("1"));
    QCOMPARE(focusName(), QStringLiteral("MaxFr"));
    w.typeOver("MinEn", "25");
    QCOMPARE(w.text("MinEn"), QStringLiteral("19"));
    w.clear("MaxEn");
    w.leave();
    QCOMPARE(w.text("MaxEn"), QStringLiteral("20"));
    w.clear("MaxNat");
    w.leave();
    QCOMPARE(w.text("MaxNat"), QStringLiteral("2"));
}

void frmRandomTest::rangeBoxesStayAThousandApart() {
    Window w;
    w.typeOver("MaxFRanX", "q");
    QCOMPARE(w.text("MaxFRanX"), QStringLiteral("-24000"));

    w.typeOver("MaxRanY", "-");
    QCOMPARE(w.text("MaxRanY"), QStringLiteral("-"));
    QCOMPARE(focusName(), QStringLiteral("MaxRanY"));
    w.leave();
    QCOMPARE(w.text("MaxRanY"), QStringLiteral("-24000"));

    w.clear("MaxFRanY");
    w.leave();
    QCOMPARE(w.text("MaxFRanY"), QStringLiteral("25000"));

    w.typeOver("MinRanX", "-");
    QCOMPARE(w.text("MinRanX"), QStringLiteral("-"));
    QTest::keyClicks(w.edit("MinRanX"), "3 0");
    QCOMPARE(w.text("MinRanX"), QStringLiteral("-30"));

    w.pasteOver("MinRanX", "0");
    w.pasteOver("MaxRanX", "500");
    QCOMPARE(w.text("MaxRanX"), QStringLiteral("1000"));
    w.pasteOver("MaxRanX", "25000");
    w.pasteOver("MinRanX", "24500");
    QCOMPARE(w.text("MinRanX"), QStringLiteral("24000"));
    w.pasteOver("MaxRanX", "100000");
    w.pasteOver("MinRanX", "-100000");
    QCOMPARE(w.text("MinRanX"), QStringLiteral("-100000"));
    QCOMPARE(w.text("MaxRanX"), QStringLiteral("100000"));

    w.pasteOver("MaxRanX", "1E31");
    w.pasteOver("MinRanX", "1E308");
    QCOMPARE(w.text("MinRanX"), QString(28, QLatin1Char('9')) + QStringLiteral("000"));
    w.pasteOver("MaxRanX", "-99999999999999999999");
    QCOMPARE(w.text("MaxRanX"), QStringLiteral("1") + QString(31, QLatin1Char('0')));
}

void frmRandomTest::nationAndClassLists() {
    Window w;
    int extraDraws = 0;
    w.form.setRandomSource(std::make_unique<ListedDraws>(std::deque{0.6, 0.9999}, &extraDraws));
    QComboBox* nation = w.list("Nation");
    QComboBox* ship = w.list("ship");

    nation->setCurrentIndex(4);
    QCOMPARE(nation->currentIndex(), 2);
    QCOMPARE(nation->currentText(), QStringLiteral("Romulan"));
    QCOMPARE(entries(ship), QStringList({"WE", "BP", "Frigate", "Random"}));
    QCOMPARE(ship->currentIndex(), -1);

    ship->setCurrentIndex(3);
    QCOMPARE(ship->currentIndex(), 2);
    QCOMPARE(ship->currentText(), QStringLiteral("Frigate"));

    // The user steps to the next nation with the keyboard; a space never reaches the text.
    nation->setFocus();
    QTest::keyClick(nation, Qt::Key_Down);
    QCOMPARE(nation->currentText(), QStringLiteral("Orion"));
    QCOMPARE(entries(ship), QStringList({"Assassin", "Raider", "Saboteur", "Anarchist", "Grappler",
                                         "Armadillo", "Random"}));
    QTest::keyClick(nation, Qt::Key_Space);
    QCOMPARE(nation->currentText(), QStringLiteral("Orion"));
    // Text typed into the list's box and entered adds no entry.
    QTest::keyClicks(nation, "ia");
    QCOMPARE(nation->currentText(), QStringLiteral("Orionia"));
    QTest::keyClick(nation, Qt::Key_Return);
    QCOMPARE(nation->count(), 5);
    QCOMPARE(nation->currentIndex(), 3);

    // Choosing the nation already chosen refills the classes and clears the class chosen.
    ship->setCurrentIndex(1);
    QCOMPARE(ship->currentText(), QStringLiteral("Raider"));
    w.chooseAgain("Nation");
    QCOMPARE(nation->currentIndex(), 3);
    QCOMPARE(ship->count(), 7);
    QCOMPARE(ship->currentIndex(), -1);
    QCOMPARE(extraDraws, 0);
}

void frmRandomTest::shipNamePlaceholder() {
    Window w;
    QLineEdit* name = w.edit("shipname");

    // Reaching the box by keyboard keeps the placeholder; a click clears it.
    w.list("ship")->setFocus();
    w.leave();
    QCOMPARE(focusName(), QStringLiteral("shipname"));
    QCOMPARE(name->text(), QStringLiteral("ShipName"));
    QTest::mouseClick(name, Qt::LeftButton);
    QCOMPARE(name->text(), QString());
    QTest::keyClick(name, Qt::Key_Space);
    QCOMPARE(name->text(), QString());
    w.leave();
    QCOMPARE(name->text(), QStringLiteral("ShipName"));

    QTest::mouseClick(name, Qt::LeftButton);
    QTest::keyClicks(name, "Ko rg");
    QCOMPARE(name->text(), QStringLiteral("Korg"));
    QTest::mouseClick(name, Qt::LeftButton);
    QCOMPARE(name->text(), QStringLiteral("Korg"));
}

void frmRandomTest::generationAnsweredNoThenIncomplete() {
    Window w;
    InstallFakeProgram(w.folder, "scene");
    w.form.setRandomSource(std::make_unique<SeededRandom>(7));
    w.choosePlayerShip(1, 0, "Korg");
    w.dialogs.answers = {false};

    QTest::mouseClick(w.find<QPushButton>("cmdGenerate"), Qt::LeftButton);
    QCOMPARE(w.dialogs.shown, QStringList({"Are you satisfied with this generation?"}));
    auto* forces = w.find<LineList>("Forces");
    QVERIFY(forces->count() >= 2);
    QCOMPARE(w.text("shipCount"), QString::number(forces->count()));
    QVERIFY(forces->line(0).startsWith(QStringLiteral("Klingon Escort Korg 0 0 ")));
    QVERIFY(forces->line(0).endsWith(QStringLiteral(" <player> ()")));
    QVERIFY(!w.folder.exists("random.sce"));
    QVERIFY(!w.folder.exists("scene.record"));

    // Choosing the nation again leaves no class chosen.
    const QString count = w.text("shipCount");
    w.chooseAgain("Nation");
    QCOMPARE(w.list("ship")->currentIndex(), -1);
    QTest::mouseClick(w.find<QPushButton>("cmdGenerate"), Qt::LeftButton);
    QCOMPARE(w.dialogs.shown, QStringList({"Are you satisfied with this generation?",
                                           "Complete the player ship information please."}));
    QCOMPARE(forces->count(), 0);
    QCOMPARE(w.text("shipCount"), count);
}

void frmRandomTest::generationAnsweredYesIsPlayed() {
    Window w;
    InstallFakeProgram(w.folder, "scene");
    InstallFakeProgram(w.folder, "Halvex.exe");
    w.form.setRandomSource(std::make_unique<SeededRandom>(2024));
    w.choosePlayerShip(0, 1, "Hornet");
    w.find<QCheckBox>("RandomStart")->setChecked(true);
    w.dialogs.answers = {true};

    QTest::mouseClick(w.find<QPushButton>("cmdGenerate"), Qt::LeftButton);
    QCOMPARE(w.dialogs.shown, QStringList({"Are you satisfied with this generation?"}));
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    const QStringList shown = w.find<LineList>("Forces")->lines();
    QVERIFY(shown.first().startsWith(QStringLiteral("Federation Destroyer Hornet ")));
    QCOMPARE(w.folder.read("random.sce"), scenarioFileFor(shown));

    const auto compiled = WaitForRecord(w.folder, "scene");
    QVERIFY(compiled.has_value());
    QCOMPARE(compiled->arguments, std::vector<std::string>({"random.sce"}));
    const auto played = WaitForRecord(w.folder, "Halvex.exe");
    QVERIFY(played.has_value());
    QCOMPARE(played->arguments, std::vector<std::string>({"nobanner", "scenario", "random.sco"}));

    // A compiler that leaves nothing behind is reported after its wait.
    forgeline::testing::MakeFakeCompilerFail(w.folder);
    w.dialogs.answers = {true};
    QTest::mouseClick(w.find<QPushButton>("cmdGenerate"), Qt::LeftButton);
    QCOMPARE(w.dialogs.shown,
             QStringList({"Are you satisfied with this generation?",
                          "Are you satisfied with this generation?", "Scenario did not compile."}));
    QCOMPARE(w.folder.read("random.sce"), scenarioFileFor(w.find<LineList>("Forces")->lines()));
}

QTEST_MAIN(frmRandomTest)
#include "frmRandomTest.moc"
