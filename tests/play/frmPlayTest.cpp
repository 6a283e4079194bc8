#include "play/window/frmPlay.h"

#include "ScriptedDialogs.h"
#include "TestFolder.h"
#include "files/FolderToolchain.h"
#include "ui/LineList.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <filesystem>
#include <memory>

using namespace std::chrono_literals;
using forgeline::testing::ScriptedDialogs;
using forgeline::testing::TestFolder;

namespace forgeline {
namespace {

const char* const GameNotFound =
    "Game not found. 'Halvex.exe' must be in same folder as the Forgeline.";

const char* const AlphaSource = "Name: Alpha Name: Strike\r\n"
                                "Summary: Summary: Twice\r\n"
                                "Description: Long Description: text\r\n"
                                "Objective: Survive.\r\n"
                                "Code: <internal>\r\n"
                                "Forces: \r\n"
                                "Federation Destroyer Hornet 0 0 90 2 <player> ()\r\n"
                                "\r\n"
                                "Klingon BC Korg 1500 -200 270 3 <internal> ()\r\n";

// One browser over a test folder, with the fake game's folder as toolchain and scripted boxes.
struct Browser {
    explicit Browser(const TestFolder& folder)
        : toolchain(folder.path(), 700ms),
          window(std::make_unique<frmPlay>(Services{folder.path(), &toolchain, &dialogs})) {}

    template <typename Control> Control* get(const char* name) const {
        auto* control = window->findChild<Control*>(QLatin1String(name));
        if (control == nullptr) {
            qFatal("no control %s", name);
        }
        return control;
    }
    QString text(const char* name) const {
        if (auto* box = window->findChild<QPlainTextEdit*>(QLatin1String(name))) {
            return box->toPlainText();
        }
        return get<QLineEdit>(name)->text();
    }
    void pick(const QString& entry) const {
        auto* list = get<LineList>("Scenarios");
        const int row = static_cast<int>(list->lines().indexOf(entry));
        QVERIFY(row >= 0);
        const QRect rect = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }
    void launch() const { QTest::mouseClick(get<QPushButton>("cmdLaunch"), Qt::LeftButton); }

    FolderToolchain toolchain;
    ScriptedDialogs dialogs;
    std::unique_ptr<frmPlay> window;
};

QRect twips(const QWidget* widget, int left, int top, int width, int height) {
    return {TwipsToPixelsX(widget, left), TwipsToPixelsY(widget, top),
            TwipsToPixelsX(widget, width), TwipsToPixelsY(widget, height)};
}

} // namespace

class frmPlayTest : public QObject {
    Q_OBJECT

  private slots:
    void opensWithTheFolderListedAndNothingChosen();
    void eachPickReplacesWhatThePreviousShowed();
    void launchStartsTheGameOnTheChosenEntry();
    void tenThousandScenariosOpenQuickly();
};

void frmPlayTest::opensWithTheFolderListedAndNothingChosen() {
    TestFolder folder;
    for (const char* name : {"Beta.sco", "Alpha.sco", "notes.txt", ".h.sco", "Gamma.SCO"}) {
        folder.write(name, "");
    }
    folder.makeFolder("x.sco");
    Browser browser(folder);
    frmPlay& window = *browser.window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QCOMPARE(window.windowTitle(), QStringLiteral("Play Scenario"));
    QCOMPARE(window.size(), twips(&window, 0, 0, 5655, 4455).size());
    auto* scenarios = browser.get<LineList>("Scenarios");
    QCOMPARE(scenarios->lines(), (QStringList{"Alpha.sco", "Beta.sco", "Gamma.SCO"}));
    QCOMPARE(scenarios->selectedRow(), -1);
    QCOMPARE(QApplication::focusWidget(), scenarios);
    QCOMPARE(browser.get<QPushButton>("cmdLaunch")->text(), QStringLiteral("Launch Scenario"));
    for (const char* name : {"SCE", "Summary", "Description", "Objective"}) {
        QVERIFY2(browser.text(name).isEmpty(), name);
    }
    QCOMPARE(browser.get<LineList>("Forces")->count(), 0);
    QCOMPARE(browser.text("shipCount"), QStringLiteral("0"));
    for (const char* name : {"SCE", "Summary", "Description", "Objective", "shipCount"}) {
        QVERIFY2(browser.get<QWidget>(name)->property("readOnly").toBool(), name);
    }
    for (const char* name : {"Description", "Objective"}) {
        QCOMPARE(browser.get<QPlainTextEdit>(name)->verticalScrollBarPolicy(),
                 Qt::ScrollBarAlwaysOn);
    }

    const auto place = [&](int left, int top, int width, int height) {
        return twips(&window, left, top, width, height);
    };
    QMap<QString, QRect> controls;
    for (const char* name : {"Scenarios", "cmdLaunch", "SCE", "Summary", "Description", "Objective",
                             "Forces", "shipCount"}) {
        controls.insert(name, browser.get<QWidget>(name)->geometry());
    }
    QCOMPARE(controls, (QMap<QString, QRect>{{"Scenarios", place(120, 360, 1455, 3570)},
                                             {"cmdLaunch", place(120, 3960, 1455, 375)},
                                             {"SCE", place(1680, 360, 1815, 285)},
                                             {"Summary", place(1680, 960, 3855, 285)},
                                             {"Description", place(1680, 1560, 3855, 495)},
                                             {"Objective", place(1680, 2280, 3855, 495)},
                                             {"Forces", place(1680, 3120, 3855, 1230)},
                                             {"shipCount", place(5160, 2880, 375, 285)}}));
    QMap<QString, QPoint> labels;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        labels.insert(label->text(), label->pos());
    }
    const auto at = [&](int left, int top) { return place(left, top, 0, 0).topLeft(); };
    QCOMPARE(labels, (QMap<QString, QPoint>{{"Select Scenario:", at(120, 120)},
                                            {"Scenario Title:", at(1680, 120)},
                                            {"Scenario Summary:", at(1680, 720)},
                                            {"Description:", at(1680, 1320)},
                                            {"Objective:", at(1680, 2040)},
                                            {"Forces:", at(1680, 2880)},
                                            {"Ship Count:", at(4320, 2880)}}));

    QStringList tabOrder{QApplication::focusWidget()->objectName()};
    for (int step = 0; step < 8; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        tabOrder << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(tabOrder, (QStringList{"Scenarios", "cmdLaunch", "Objective", "Description", "Summary",
                                    "SCE", "Forces", "shipCount", "Scenarios"}));
    QCOMPARE(scenarios->selectedRow(), -1);
    QVERIFY(browser.dialogs.shown.isEmpty());
}

void frmPlayTest::eachPickReplacesWhatThePreviousShowed() {
    TestFolder folder;
    for (const char* name : {"Alpha.sco", "Beta.sco", "Deep.Space.sco", "Short.sco"}) {
        folder.write(name, "");
    }
    folder.write("Alpha.sce", AlphaSource);
    folder.write("Deep.sce", "Name: Deep\r\nSummary: Far out\r\nDescription: \r\nObjective: "
                             "Return\r\nCode: <internal>\r\nForces: \r\n"
                             "Orion Raider Rook 1 2 3 4 <player> ()\r\n");
    folder.write("Deep.Space.sce", "Name: Not this one\r\n");
    folder.write("Short.sce", "Name: Short\r\nSummary: Three lines\r\nDescription: only\r\n");
    Browser browser(folder);
    browser.window->show();
    auto* forces = browser.get<LineList>("Forces");
    const auto shows = [&](const QStringList& texts, const QStringList& lines) {
        QCOMPARE((QStringList{browser.text("SCE"), browser.text("Summary"),
                              browser.text("Description"), browser.text("Objective")}),
                 texts);
        QCOMPARE(forces->lines(), lines);
        QCOMPARE(browser.text("shipCount"), QString::number(lines.size()));
    };

    browser.pick("Alpha.sco");
    shows({"Alpha Strike", "Twice", "Long text", "Survive."},
          {"Federation Destroyer Hornet 0 0 90 2 <player> ()", "",
           "Klingon BC Korg 1500 -200 270 3 <internal> ()"});

    browser.pick("Beta.sco");
    shows({"Beta.sco", "Unknown scenario.", "No scenario description available.", ""},
          {"Unknown Forces"});

    browser.pick("Deep.Space.sco");
    shows({"Deep", "Far out", "", "Return"}, {"Orion Raider Rook 1 2 3 4 <player> ()"});
    QVERIFY(browser.dialogs.shown.isEmpty());

    browser.pick("Short.sco");
    shows({"Short", "Three lines", "only", ""}, {});
    QCOMPARE(browser.dialogs.shown,
             QStringList{"Scenario file 'Short.sce' could not be read to its end: 62 - Input "
                         "past end of file"});
    QVERIFY(browser.window->isVisible());
}

void frmPlayTest::launchStartsTheGameOnTheChosenEntry() {
    TestFolder folder;
    folder.write("Alpha.sco", "");
    Browser browser(folder);
    browser.window->show();

    // Enter in the list is no click on the button.
    QTest::keyClick(browser.get<LineList>("Scenarios"), Qt::Key_Return);
    QVERIFY(browser.dialogs.shown.isEmpty());
    browser.launch();
    QCOMPARE(browser.dialogs.shown, QStringList{GameNotFound});
    QCOMPARE(browser.get<LineList>("Scenarios")->selectedRow(), -1);

    InstallFakeProgram(folder, "Halvex.exe");
    browser.launch();
    auto record = WaitForRecord(folder, "Halvex.exe");
    QVERIFY(record);
    QCOMPARE(record->workingFolder, folder.path());
    QCOMPARE(record->arguments, (std::vector<std::string>{"nobanner", "scenario"}));
    std::filesystem::remove(folder.file("Halvex.exe.record"));

    browser.pick("Alpha.sco");
    browser.launch();
    record = WaitForRecord(folder, "Halvex.exe");
    QVERIFY(record);
    QCOMPARE(record->workingFolder, folder.path());
    QCOMPARE(record->arguments, (std::vector<std::string>{"nobanner", "scenario", "Alpha.sco"}));
    QCOMPARE(browser.dialogs.shown, QStringList{GameNotFound});
    QVERIFY(browser.window->isVisible());

    // A game that is there but cannot be run says why, as the shell would.
    std::filesystem::remove(folder.file("Halvex.exe"));
    folder.write("Halvex.exe", "not a program");
    const Status refused = FolderToolchain(folder.path()).LaunchGame(" nobanner scenario ");
    QVERIFY(!refused);
    browser.launch();
    QCOMPARE(browser.dialogs.shown,
             (QStringList{GameNotFound, QString::fromStdString(refused.failure().description)}));
    QVERIFY(browser.window->isVisible());
}

void frmPlayTest::tenThousandScenariosOpenQuickly() {
    TestFolder folder;
    for (int i = 0; i < 10000; ++i) {
        folder.write("S" + std::to_string(100000 + i) + ".sco", "");
    }
    QElapsedTimer timer;
    timer.start();
    Browser browser(folder);
    browser.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(browser.window.get()));
    const qint64 elapsed = timer.elapsed();
    auto* scenarios = browser.get<LineList>("Scenarios");
    QCOMPARE(scenarios->count(), 10000);
    QCOMPARE(scenarios->line(9999), QStringLiteral("S109999.sco"));
    QVERIFY2(elapsed < 500, qPrintable(QString::number(elapsed) + " ms"));
}

} // namespace forgeline

QTEST_MAIN(forgeline::frmPlayTest)
#include "frmPlayTest.moc"
