#include "play/window/frmPlay.h"

#include "play/GameLaunch.h"
#include "play/ScenarioDisplay.h"
#include "play/ScenarioList.h"
#include "ui/AccessibleNames.h"
#include "ui/Captions.h"
#include "ui/Dialogs.h"
#include "ui/LineList.h"
#include "ui/Text.h"
#include "ui/TextBoxes.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace forgeline {
namespace {

constexpr int LabelHeight = 255;

template <typename Control>
Control* place(Control* control, const char* name, int left, int top, int width, int height) {
    control->setObjectName(QLatin1String(name));
    PlaceInTwips(control, left, top, width, height);
    return control;
}

QLabel* label(QWidget* window, const char* text, int left, int top, int width) {
    auto* shown = new QLabel(QString::fromLatin1(text), window);
    PlaceInTwips(shown, left, top, width, LabelHeight);
    return shown;
}

QLineEdit* readOnlyLine(QWidget* window) {
    auto* box = new QLineEdit(window);
    box->setReadOnly(true);
    return box;
}

QPlainTextEdit* readOnlyText(QWidget* window) {
    auto* box = new QPlainTextEdit(window);
    box->setReadOnly(true);
    box->setTabChangesFocus(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return box;
}

} // namespace

frmPlay::frmPlay(Services services, QWidget* parent)
    : QDialog(parent), services_(std::move(services)) {
    setObjectName(QStringLiteral("frmPlay"));
    setWindowTitle(QStringLiteral("Play Scenario"));
    SizeClientInTwips(this, 5655, 4455);
    buildControls();
    KeepTextBoxesWhole(this);
    GiveAccessibleNames(this);
    connect(Scenarios, &LineList::lineSelected, this, &frmPlay::Scenarios_Click);
    connect(cmdLaunch, &QPushButton::clicked, this, &frmPlay::cmdLaunch_Click);
    Form_Load();
}

void frmPlay::buildControls() {
    label(this, "Select Scenario:", 120, 120, 1455);
    Scenarios = place(new LineList(this), "Scenarios", 120, 360, 1455, 3570);
    cmdLaunch = place(new QPushButton(QStringLiteral("Launch Scenario"), this), "cmdLaunch", 120,
                      3960, 1455, 375);
    // Enter in the list must not start the game.
    cmdLaunch->setAutoDefault(false);

    label(this, "Scenario Title:", 1680, 120, 1815);
    SCE = place(readOnlyLine(this), "SCE", 1680, 360, 1815, 285);
    label(this, "Scenario Summary:", 1680, 720, 3855);
    Summary = place(readOnlyLine(this), "Summary", 1680, 960, 3855, 285);
    label(this, "Description:", 1680, 1320, 3855);
    Description = place(readOnlyText(this), "Description", 1680, 1560, 3855, 495);
    label(this, "Objective:", 1680, 2040, 3855);
    Objective = place(readOnlyText(this), "Objective", 1680, 2280, 3855, 495);
    label(this, "Forces:", 1680, 2880, 2520);
    Forces = place(new LineList(this), "Forces", 1680, 3120, 3855, 1230);
    QLabel* countLabel = label(this, "Ship Count:", 4320, 2880, 840);
    shipCount = place(readOnlyLine(this), "shipCount", 5160, 2880, 375, 285);
    FitCountBox(shipCount);
    KeepClearOf(countLabel, shipCount);
    shipCount->setText(QStringLiteral("0"));

    const QList<QWidget*> tabOrder{Scenarios, cmdLaunch, Objective, Description,
                                   Summary,   SCE,       Forces,    shipCount};
    for (qsizetype i = 1; i < tabOrder.size(); ++i) {
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }
    Scenarios->setFocus();
}

void frmPlay::Form_Load() {
    Scenarios->appendAll(FromCore(ListScenarioFiles(services_.programFolder, "sco")));
}

void frmPlay::Scenarios_Click(int row) {
    Forces->clear();
    const ScenarioDisplay display =
        DisplayScenario(services_.programFolder, ToCore(Scenarios->line(row)));
    SCE->setText(FromCore(display.SCE));
    Summary->setText(FromCore(display.Summary));
    Description->setPlainText(FromCore(display.Description));
    Objective->setPlainText(FromCore(display.Objective));
    Forces->appendAll(FromCore(display.Forces));
    shipCount->setText(FromCore(display.shipCount));
    if (display.message) {
        services_.dialogs->inform(this, FromCore(*display.message));
    }
}

void frmPlay::cmdLaunch_Click() {
    const int row = Scenarios->selectedRow();
    const QString entry = row >= 0 ? Scenarios->line(row) : QString();
    if (const auto message = LaunchCompiledScenario(*services_.toolchain, ToCore(entry))) {
        services_.dialogs->inform(this, FromCore(*message));
    }
}

} // namespace forgeline
