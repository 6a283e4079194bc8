#include "editor/window/EditorHistory.h"
#include "editor/window/OneLineTextEdit.h"
#include "editor/window/RecentFilesMenu.h"
#include "editor/window/UnsavedCopy.h"
#include "editor/window/frmMain.h"
#include "model/ShipCatalogue.h"
#include "ui/Captions.h"
#include "ui/DropDowns.h"
#include "ui/LineList.h"
#include "ui/Text.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QUndoStack>

namespace forgeline {
namespace {

struct Twips {
    int left;
    int top;
    int width;
    int height;
};

template <typename Control> Control* place(Control* control, const char* name, Twips at) {
    control->setObjectName(QLatin1String(name));
    PlaceInTwips(control, at.left, at.top, at.width, at.height);
    return control;
}

QLineEdit* textBox(QWidget* client, const char* name, const char* text, Twips at) {
    return place(new QLineEdit(QString::fromLatin1(text), client), name, at);
}

QLabel* label(QWidget* client, const char* name, const char* caption, Twips at) {
    auto* shown = place(new QLabel(QString::fromLatin1(caption), client), name, at);
    shown->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return shown;
}

// A drop-down list whose text the user may also edit; the text never becomes an item and
// never selects one.
QComboBox* dropDown(QWidget* client, const char* name, const char* text, Twips at) {
    auto* list = place(new QComboBox(client), name, at);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    KeepTypedTextAsTyped(list);
    list->setEditText(QString::fromLatin1(text));
    return list;
}

QPushButton* button(QWidget* client, const char* name, const char* caption, Twips at) {
    return place(new QPushButton(QString::fromLatin1(caption), client), name, at);
}

} // namespace

void frmMain::buildControls(QWidget* client) {
    // The layout figures were drawn for an 8 point font; a larger one does not fit the boxes.
    QFont small = client->font();
    small.setPointSize(8);
    client->setFont(small);

    SCE = textBox(client, "SCE", "", {120, 360, 1815, 285});
    label(client, "lbl1", "Scenario Title:", {120, 120, 1095, 255});
    label(client, "Label1", "Scenario Summary:", {120, 720, 1815, 255});
    Summary = textBox(client, "Summary", "", {120, 960, 3495, 285});
    label(client, "Label2", "Description:", {120, 1320, 975, 255});
    Description = place(new OneLineTextEdit(client), "Description", {120, 1560, 3495, 1095});
    label(client, "Label3", "Objective:", {120, 2760, 855, 255});
    Objective = place(new OneLineTextEdit(client), "Objective", {120, 3000, 3495, 495});

    Nation = dropDown(client, "Nation", "", {3840, 2280, 1095, 315});
    for (const auto& nation : Nations()) {
        Nation->addItem(FromCore(nation.name), nation.code);
    }
    // Adding to an empty list selects its first item; at start no nation is chosen.
    Nation->setCurrentIndex(NoSelection);
    Nation->setEditText(QStringLiteral("Nation:"));
    ship = dropDown(client, "ship", "Ship:", {5040, 2280, 1095, 315});
    shipname = textBox(client, "shipname", "Name", {6240, 2280, 1935, 285});
    label(client, "Label4", "Forces:", {3840, 120, 615, 255});
    X = textBox(client, "X", "0", {3840, 2880, 855, 285});
    Y = textBox(client, "Y", "0", {4800, 2880, 855, 285});
    label(client, "Label5", "X Coord:", {3840, 2640, 735, 255});
    label(client, "Label6", "Y Coord:", {4800, 2640, 735, 255});
    heading = textBox(client, "heading", "0", {5760, 2880, 615, 285});
    label(client, "Label7", "Heading:", {5760, 2640, 855, 255});
    warp = textBox(client, "warp", "0", {6480, 2880, 495, 285});
    label(client, "Label8", "Warp:", {6480, 2640, 615, 255});
    playcomp = dropDown(client, "playcomp", "", {7080, 2880, 1095, 315});
    playcomp->addItems(FromCore(ControllerMarkers()));
    playcomp->setCurrentIndex(NoSelection);

    AddShip = button(client, "AddShip", "Add Ship to Forces", {3840, 3240, 2175, 255});
    Forces = place(new LineList(client), "Forces", {3840, 360, 4455, 1815});
    RemShip = button(client, "RemShip", "Remove Ship from Forces", {6120, 3240, 2055, 255});
    reset = button(client, "reset", "Reset Forces", {3840, 3600, 2175, 255});
    EditShip = button(client, "EditShip", "Edit Ship", {6120, 3600, 2055, 255});
    Compile = button(client, "Compile", "Compile Scenario", {120, 3600, 3495, 255});
    shipCount = textBox(client, "shipCount", "0", {7920, 120, 375, 285});
    shipCount->setReadOnly(true);
    FitCountBox(shipCount);
    KeepClearOf(label(client, "Label9", "Ship Count:", {7080, 120, 855, 255}), shipCount);

    RemShip->setEnabled(false);
    EditShip->setEnabled(false);

    QWidget* tabOrder[] = {SCE,     Summary, Description, Objective, Nation,   ship,    shipname,
                           X,       Y,       heading,     warp,      playcomp, AddShip, Forces,
                           RemShip, reset,   EditShip,    Compile,   shipCount};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i) {
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }
}

void frmMain::buildMenus() {
    const auto item = [this](QMenu* menu, const char* name, const char* caption,
                             QKeySequence shortcut, void (frmMain::*handler)()) {
        QAction* action = menu->addAction(QString::fromLatin1(caption));
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, handler);
    };

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    item(file, "mnuNew", "&New Scenario", QKeySequence(Qt::CTRL | Qt::Key_N),
         &frmMain::frmMain_mnuNew_Click);
    item(file, "mnuSave", "&Save Scenario", QKeySequence(Qt::CTRL | Qt::Key_S),
         &frmMain::frmMain_mnuSave_Click);
    item(file, "mnuOpen", "&Open Scenario", QKeySequence(Qt::CTRL | Qt::Key_O),
         &frmMain::frmMain_mnuOpen_Click);
    item(file, "mnuRecover", "&Recover Unsaved Scenario", QKeySequence(),
         &frmMain::frmMain_mnuRecover_Click);
    // Offered only when an editor that no longer runs left unsaved work behind, which one may
    // do while this one runs.
    QAction* recover = file->actions().constLast();
    const auto offerRecovery = [this, recover] {
        recover->setVisible(!unsaved_->abandoned().empty());
    };
    offerRecovery();
    connect(file, &QMenu::aboutToShow, this, offerRecovery);
    QMenu* recent = file->addMenu(QStringLiteral("Recent &Files"));
    recent->setObjectName(QStringLiteral("mnuRecent"));
    recent->menuAction()->setObjectName(QStringLiteral("mnuRecent"));
    recent_ = new RecentFilesMenu(recent, services_.settings, this);
    connect(recent_, &RecentFilesMenu::chosen, this, &frmMain::frmMain_mnuRecent_Click);
    file->addSeparator()->setObjectName(QStringLiteral("mnuDash1"));
    item(file, "mnuExit", "&Exit", QKeySequence(), &frmMain::frmMain_mnuExit_Click);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    QAction* undo = history_->stack()->createUndoAction(edit, QStringLiteral("&Undo"));
    undo->setObjectName(QStringLiteral("mnuUndo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    edit->addAction(undo);
    QAction* redo = history_->stack()->createRedoAction(edit, QStringLiteral("&Redo"));
    redo->setObjectName(QStringLiteral("mnuRedo"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    edit->addAction(redo);
    item(edit, "mnuHistory", "&History", QKeySequence(Qt::CTRL | Qt::Key_H),
         &frmMain::frmMain_mnuHistory_Click);

    QMenu* scene = menuBar()->addMenu(QStringLiteral("&Scenario"));
    scene->setObjectName(QStringLiteral("mnuScene"));
    item(scene, "mnuLoad", "&Play Scenario", QKeySequence(Qt::CTRL | Qt::Key_A),
         &frmMain::frmMain_mnuLoad_Click);
    item(scene, "mnuRandom", "&Random Scenario", QKeySequence(Qt::CTRL | Qt::Key_R),
         &frmMain::frmMain_mnuRandom_Click);
    item(scene, "mnuMap", "&Tactical Map", QKeySequence(Qt::CTRL | Qt::Key_M),
         &frmMain::frmMain_mnuMap_Click);
    item(scene, "mnuCheck", "Check &Scenario", QKeySequence(Qt::Key_F7),
         &frmMain::frmMain_mnuCheck_Click);
    item(scene, "mnuCompilePlay", "Compile and &Play", QKeySequence(Qt::Key_F5),
         &frmMain::frmMain_mnuCompilePlay_Click);
}

} // namespace forgeline
