#include "editor/window/frmMain.h"

#include "editor/CommandMessages.h"
#include "editor/window/EditorHistory.h"
#include "editor/window/UnsavedCopy.h"
#include "ui/AccessibleNames.h"
#include "ui/BoxEvents.h"
#include "ui/Dialogs.h"
#include "ui/LineList.h"
#include "ui/Text.h"
#include "ui/TextBoxes.h"
#include "ui/Twips.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUndoStack>

namespace forgeline {

frmMain::frmMain(Services services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Halvex Forgeline v1.1"));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    SizeClientInTwips(client, 8430, 3975);

    buildControls(client);
    Forces->setManySelectable(true);
    history_ = new EditorHistory(
        {SCE, Summary, Description, Objective, Forces, EditShip, RemShip},
        [this] { refreshShipCount(); }, this);
    unsaved_ = new UnsavedCopy(
        services_.unsavedFolder, history_->stack(), [this] { return scenario(); }, this);
    connect(unsaved_, &UnsavedCopy::writeFailed, this, &frmMain::inform);
    buildMenus();
    connectHandlers();
    keepMenuShortcutsOverBoxes();
    KeepTextBoxesWhole(this);
    GiveAccessibleNames(this);
    setAcceptDrops(true);
}

// The history turns clean as it dies, which is no return to the saved state: the copy goes
// first, so that it stays for the next editor.
frmMain::~frmMain() {
    delete unsaved_;
}

void frmMain::connectHandlers() {
    connect(AddShip, &QPushButton::clicked, this, &frmMain::frmMain_AddShip_Click);
    connect(EditShip, &QPushButton::clicked, this, &frmMain::frmMain_EditShip_Click);
    connect(RemShip, &QPushButton::clicked, this, &frmMain::frmMain_RemShip_Click);
    connect(reset, &QPushButton::clicked, this, &frmMain::frmMain_reset_Click);
    connect(Compile, &QPushButton::clicked, this, &frmMain::frmMain_Compile_Click);
    connect(Forces, &LineList::lineSelected, this, &frmMain::frmMain_Forces_Click);
    connect(Forces->model(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& first, const QModelIndex& last) {
                showLoadedLine(first.row(), last.row());
            });
    connect(Nation, &QComboBox::currentIndexChanged, this, [this](int position) {
        if (position != NoSelection) {
            frmMain_Nation_Click();
        }
    });
    BoxEvents::of(shipname).onClick([this] { frmMain_shipname_Click(); });

    guardTyping(SCE, EditorBox::SCE);
    guardTyping(Summary, EditorBox::Summary);
    guardTyping(Description, EditorBox::Description);
    guardTyping(Objective, EditorBox::Objective);
    guardTyping(shipname, EditorBox::shipname);
    // Keys reach a drop-down list's text part through the list itself.
    guardTyping(Nation, EditorBox::Nation);
    guardTyping(ship, EditorBox::ship);
    guardTyping(playcomp, EditorBox::playcomp);
    for (QLineEdit* box :
         {SCE, shipname, Nation->lineEdit(), ship->lineEdit(), playcomp->lineEdit()}) {
        RemovePastedBlanks(box);
    }
    guardNumberBox(X, EditorBox::X);
    guardNumberBox(Y, EditorBox::Y);
    guardNumberBox(heading, EditorBox::heading);
    guardNumberBox(warp, EditorBox::warp);
}

void frmMain::guardTyping(QWidget* box, EditorBox rule) {
    BoxEvents::of(box).onTyped([rule](char32_t typed, qsizetype lengthBefore) {
        return AcceptsTyped(rule, typed, static_cast<std::size_t>(lengthBefore));
    });
}

void frmMain::guardNumberBox(QLineEdit* box, EditorBox rule) {
    guardTyping(box, rule);
    connect(box, &QLineEdit::textChanged, box, [box](const QString& text) {
        switch (NumericChangeRule(ToCore(text))) {
        case NumericChange::FocusHere:
            box->setFocus();
            break;
        case NumericChange::WriteZero:
            box->setText(QStringLiteral("0"));
            break;
        case NumericChange::Nothing:
            break;
        }
    });
    BoxEvents::of(box).onLostFocus([box] {
        if (const auto fill = NumberBoxFill(ToCore(box->text()))) {
            box->setText(FromCore(*fill));
        }
    });
}

void frmMain::keepMenuShortcutsOverBoxes() {
    for (QWidget* control : centralWidget()->findChildren<QWidget*>()) {
        control->installEventFilter(this);
    }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (takeFileDrag(event)) {
        return true;
    }
    // A focused text box claims some key sequences for itself (Ctrl+A selects all, Ctrl+Z undoes
    // its own typing); the menu's shortcuts go to the menu wherever the focus stands. A key of a
    // disabled item (Undo with nothing to undo) reaches no box either.
    if (watched == Forces && forcesKey(event)) {
        return true;
    }
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QAction* action : findChildren<QAction*>()) {
            if (!action->shortcuts().contains(pressed)) {
                continue;
            }
            if (event->type() == QEvent::KeyPress || action->isEnabled()) {
                event->ignore();
                return true;
            }
        }
    }
    if (event->type() == QEvent::ContextMenu &&
        showBoxMenu(watched, static_cast<QContextMenuEvent*>(event)->pos())) {
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// A text box's own menu, with the scenario's Undo and Redo in place of the box's.
bool frmMain::showBoxMenu(QObject* watched, const QPoint& at) {
    QMenu* menu = nullptr;
    QWidget* shownOn = nullptr;
    if (auto* line = qobject_cast<QLineEdit*>(watched)) {
        menu = line->createStandardContextMenu();
        shownOn = line;
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(watched->parent())) {
        menu = plain->createStandardContextMenu(at);
        shownOn = plain->viewport();
    }
    if (!menu) {
        return false;
    }
    for (QAction* own : menu->actions()) {
        // Qt names the box's own items from 6.6 on; before, only their captions tell them.
        const QString caption = own->text().section(QLatin1Char('\t'), 0, 0);
        const char* scenarios =
            own->objectName() == QLatin1String("edit-undo") || caption == QLatin1String("&Undo")
                ? "mnuUndo"
            : own->objectName() == QLatin1String("edit-redo") || caption == QLatin1String("&Redo")
                ? "mnuRedo"
                : nullptr;
        if (scenarios) {
            menu->insertAction(own, findChild<QAction*>(QLatin1String(scenarios)));
            menu->removeAction(own);
        }
    }
    menu->exec(shownOn->mapToGlobal(at));
    delete menu;
    return true;
}

ShipEntry frmMain::shipEntry() const {
    return {Nation->currentIndex(),
            ship->currentIndex(),
            playcomp->currentIndex(),
            {ToCore(Nation->currentText()), ToCore(ship->currentText()), ToCore(shipname->text()),
             ToCore(X->text()), ToCore(Y->text()), ToCore(heading->text()), ToCore(warp->text()),
             ToCore(playcomp->currentText())}};
}

ScenarioSource frmMain::scenario() const {
    return {ToCore(SCE->text()), ToCore(Summary->text()), ToCore(PlainTextOf(Description)),
            ToCore(PlainTextOf(Objective)), ToCore(Forces->lines())};
}

void frmMain::refreshShipCount() {
    shipCount->setText(FromCore(ShipCountText(static_cast<std::size_t>(Forces->count()))));
}

void frmMain::setShipButtonsEnabled(bool enabled) {
    RemShip->setEnabled(enabled);
    EditShip->setEnabled(enabled);
}

void frmMain::selectPosition(QComboBox* list, int position) {
    if (list->currentIndex() != position) {
        list->setCurrentIndex(position);
        return;
    }
    // Selecting the position already selected is still a selection: the text shows the item
    // again and the nation's classes are filled in again.
    list->setEditText(list->itemText(position));
    if (list == Nation) {
        frmMain_Nation_Click();
    }
}

void frmMain::clearShipFields() {
    ship->clear();
    shipname->setText(QStringLiteral("Name"));
    ship->setEditText(QStringLiteral("Ship:"));
    for (QLineEdit* number : {X, Y, heading, warp}) {
        number->setText(QStringLiteral("0"));
    }
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!mayLeave()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

bool frmMain::mayLeave() {
    unsaved_->writeNow();
    return unsaved_->changesKept() ||
           services_.dialogs->ask(this, QString::fromLatin1(LeaveWithoutSavingQuestion));
}

void frmMain::scenarioInFile() {
    history_->stack()->setClean();
}

void frmMain::showScenario(const ScenarioSource& source) {
    SCE->setText(FromCore(source.Title));
    Summary->setText(FromCore(source.Summary));
    Description->setPlainText(FromCore(source.Description));
    Objective->setPlainText(FromCore(source.Objective));
    Forces->setLines(FromCore(source.Forces));
    refreshShipCount();
}

void frmMain::inform(const std::string& text) {
    services_.dialogs->inform(this, FromCore(text));
}

} // namespace forgeline
