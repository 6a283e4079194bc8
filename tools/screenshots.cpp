// Renders each window of Forgeline with a sample scenario into PNG files, for the README.
// Usage: forgeline_screenshots <output folder>; run under a display (xvfb-run) for real fonts.
#include "check/CompileGate.h"
#include "check/window/frmCheck.h"
#include "editor/window/frmMain.h"
#include "files/FolderToolchain.h"
#include "files/ScenarioSource.h"
#include "map/window/MapView.h"
#include "map/window/TacticalMap.h"
#include "platform/Platform.h"
#include "play/window/frmPlay.h"
#include "random/window/frmRandom.h"
#include "ui/Dialogs.h"
#include "ui/LineList.h"
#include "ui/WindowFont.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>

using namespace forgeline;

namespace {

// Says No to every question, so a generation is shown and nothing is played.
class QuietDialogs final : public Dialogs {
  public:
    void inform(QWidget*, const QString&) override {}
    bool ask(QWidget*, const QString&) override { return false; }
    std::optional<QString> chooseFileToOpen(QWidget*, const FileDialogSetup&) override {
        return std::nullopt;
    }
    std::optional<QString> chooseFileToSave(QWidget*, const FileDialogSetup&) override {
        return std::nullopt;
    }
};

const ScenarioSource Patrol{
    "Patrol",
    "A quiet patrol near the Klingon border.",
    "Three Federation ships hold the line while a Klingon squadron probes the sector.",
    "Destroy the Klingon flagship.",
    {"Federation Destroyer Hornet 0 0 90 2 <player> ()",
     "Federation HC Lexington -1500 800 90 2 <internal> ()",
     "Klingon BC Korg 4000 1500 270 3 <internal> ()",
     "Klingon Frigate Krait 4500 -900 250 3 <internal> ()"}};

template <typename T> T* control(QWidget* window, const char* name) {
    return window->findChild<T*>(QLatin1String(name));
}

void save(QWidget* window, const QString& folder, const char* name) {
    window->show();
    QApplication::processEvents();
    window->grab().save(QDir(folder).filePath(QLatin1String(name)));
}

// Opened as a user would, so the ship count and every box show what the file holds.
void fillEditor(frmMain& editor, const std::string& folder) {
    editor.openScenario(platform::JoinPath(folder, "Patrol.sce"));
    control<LineList>(&editor, "Forces")->selectRow(2);
}

void sendMouse(QWidget* widget, QEvent::Type type, QPoint at) {
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// The editor's map, opened from its menu at the size of the pictures.
MapView* openEditorMap(frmMain& editor) {
    editor.findChild<QAction*>(QStringLiteral("mnuMap"))->trigger();
    MapView* view = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        view = view ? view : window->findChild<MapView*>(QStringLiteral("mapView"));
    }
    view->window()->resize(720, 560);
    QApplication::processEvents();
    return view;
}

// The editor's map halfway through dragging the selected Klingon flagship south-west.
void saveMove(frmMain& editor, const QString& folder) {
    MapView* view = openEditorMap(editor);
    const MapPoint korg = view->transform().toView({4000, 1500});
    const QPoint from(qRound(korg.x), qRound(korg.y));
    sendMouse(view, QEvent::MouseButtonPress, from);
    for (int step = 1; step <= 4; ++step) {
        sendMouse(view, QEvent::MouseMove, from + QPoint(-25, 20) * step);
    }
    save(view->window(), folder, "map-move.png");
    sendMouse(view, QEvent::MouseButtonRelease, from + QPoint(-100, 80));
    view->window()->close();
}

// The editor's map halfway through dragging a selection of every ship but the player's north.
void saveFleetMove(frmMain& editor, const QString& folder) {
    auto* forces = control<LineList>(&editor, "Forces");
    std::vector<int> rows;
    for (int row = 1; row < forces->count(); ++row) {
        rows.push_back(row);
    }
    forces->selectRows(rows);
    // The map of the first picture, closed, goes first.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    MapView* view = openEditorMap(editor);
    // The flagship where the drag of the map's first picture left it.
    const QStringList korgLine = forces->line(2).split(' ');
    const MapPoint korg =
        view->transform().toView({korgLine[3].toDouble(), korgLine[4].toDouble()});
    const QPoint from(qRound(korg.x), qRound(korg.y));
    sendMouse(view, QEvent::MouseButtonPress, from);
    for (int step = 1; step <= 4; ++step) {
        sendMouse(view, QEvent::MouseMove, from + QPoint(0, -15) * step);
    }
    save(view->window(), folder, "map-fleet-move.png");
    sendMouse(view, QEvent::MouseButtonRelease, from + QPoint(0, -60));
    view->window()->close();
    // The Edit menu's picture names the move of the flagship alone.
    editor.findChild<QAction*>(QStringLiteral("mnuUndo"))->trigger();
}

// A fleet of 3 000 ships in four rings, one per nation, each ship heading along its ring, with
// the ships of one arc selected: a crowd as the map draws one.
void saveCrowd(const QString& folder) {
    const char* nations[] = {"Federation Destroyer", "Klingon BC", "Romulan WE", "Orion Raider"};
    QStringList lines;
    std::vector<int> selected;
    for (int ship = 0; ship < 3000; ++ship) {
        const int ring = ship % 4;
        const double angle = ship * 0.0021 * (ring + 3);
        const double radius = 6000.0 + 4000.0 * ring + 900.0 * std::sin(ship * 0.7);
        const int heading = (static_cast<int>(std::lround(angle * 180 / M_PI)) + 90) % 360;
        lines << QStringLiteral("%1 S%2 %3 %4 %5 3 <internal> ()")
                     .arg(QLatin1String(nations[ring]))
                     .arg(ship)
                     .arg(std::lround(radius * std::sin(angle)))
                     .arg(std::lround(radius * std::cos(angle)))
                     .arg(heading);
        if (ring == 1 && std::fmod(angle, 2 * M_PI) < 1.2) {
            selected.push_back(ship);
        }
    }
    TacticalMap map;
    map.resize(720, 560);
    map.showLines(lines, selected);
    save(&map, folder, "map-crowd.png");
}

// The editor with its "&Edit" menu open, naming the step the last drag on the map made. The
// menu is a window of its own, so the screen is taken, not the editor alone.
void saveEditMenu(frmMain& editor, const QString& folder) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != &editor) {
            window->hide();
        }
    }
    editor.move(0, 0);
    QApplication::processEvents();
    auto* edit = editor.findChild<QMenu*>(QStringLiteral("mnuEdit"));
    QMenuBar* bar = editor.menuBar();
    edit->popup(bar->mapToGlobal(bar->actionGeometry(edit->menuAction()).bottomLeft()));
    QEventLoop settle;
    QTimer::singleShot(300, &settle, &QEventLoop::quit);
    settle.exec();
    const QRect area = editor.frameGeometry();
    QGuiApplication::primaryScreen()
        ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .save(QDir(folder).filePath(QStringLiteral("editor-undo.png")));
    edit->hide();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setFont(forgeline::WindowFont());
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(output);

    QTemporaryDir programFolder;
    const std::string folder = programFolder.path().toStdString();
    WriteScenarioSource(platform::JoinPath(folder, "Patrol.sce"), Patrol);
    for (const char* compiled : {"Patrol.sco", "Ambush.sco", "random.sco"}) {
        QFile(QString::fromStdString(platform::JoinPath(folder, compiled)))
            .open(QIODevice::WriteOnly);
    }
    FolderToolchain toolchain(folder);
    QuietDialogs dialogs;
    const Services services{folder, &toolchain, &dialogs, {}};

    frmMain editor(services);
    fillEditor(editor, folder);
    save(&editor, output, "editor.png");
    saveMove(editor, output);
    saveFleetMove(editor, output);

    ScenarioSource spoilt = Patrol;
    spoilt.Forces.push_back("Klingon Dreadnought Korg 5200 800 -");
    spoilt.Forces.push_back("Romulan BC Talon 3000 x1 180 2 <internal> ()");
    frmCheck check(
        CheckScenario(spoilt, folder), [](int) {}, &editor);
    save(&check, output, "check.png");

    // What Compile shows first of a scenario it would compile all the same.
    ScenarioSource doubtful = Patrol;
    doubtful.Forces.push_back("Klingon Frigate Korg 5200 800 200 3 <internal> ()");
    doubtful.Forces.push_back("Romulan WE Talon 3000 x1 180 2 <internal> ()");
    frmCheck beforeCompile(
        ProblemsBeforeCompile(doubtful, folder), [](int) {}, &editor, frmCheck::Use::BeforeCompile);
    save(&beforeCompile, output, "check-before-compile.png");

    frmPlay browser(services);
    control<LineList>(&browser, "Scenarios")->selectRow(1);
    save(&browser, output, "browser.png");

    frmRandom generator(services);
    generator.setRandomSource(std::make_unique<SeededRandom>(1701));
    control<QComboBox>(&generator, "Nation")->setCurrentIndex(0);
    control<QComboBox>(&generator, "ship")->setCurrentIndex(1);
    control<QLineEdit>(&generator, "shipname")->setText(QStringLiteral("Hornet"));
    control<QAbstractButton>(&generator, "cmdGenerate")->click();
    save(&generator, output, "generator.png");

    TacticalMap map;
    map.resize(720, 560);
    map.showLines(control<LineList>(&generator, "Forces")->lines(), {0});
    save(&map, output, "map.png");
    saveCrowd(output);
    saveEditMenu(editor, output);
    return 0;
}
