#include "random/window/frmRandom.h"

#include "model/ForceChecks.h"
#include "random/Generation.h"
#include "random/PlayerShipRules.h"
#include "random/RandomOutput.h"
#include "ui/AccessibleNames.h"
#include "ui/BoxEvents.h"
#include "ui/Captions.h"
#include "ui/Dialogs.h"
#include "ui/DropDowns.h"
#include "ui/LineList.h"
#include "ui/Text.h"
#include "ui/TextBoxes.h"
#include "ui/Twips.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <functional>
#include <utility>

namespace forgeline {
namespace {

struct BoxHandlers {
    SettingsBox box;
    void (frmRandom::*change)();
    void (frmRandom::*lostFocus)();
};

using enum SettingsBox;

constexpr BoxHandlers Handlers[] = {
    {MinFr, &frmRandom::MinFr_Change, &frmRandom::MinFr_LostFocus},
    {MaxFr, &frmRandom::MaxFr_Change, &frmRandom::MaxFr_LostFocus},
    {MinFRanX, &frmRandom::MinFRanX_Change, &frmRandom::MinFRanX_LostFocus},
    {MaxFRanX, &frmRandom::MaxFRanX_Change, &frmRandom::MaxFRanX_LostFocus},
    {MinFRanY, &frmRandom::MinFRanY_Change, &frmRandom::MinFRanY_LostFocus},
    {MaxFRanY, &frmRandom::MaxFRanY_Change, &frmRandom::MaxFRanY_LostFocus},
    {MinEn, &frmRandom::MinEn_Change, &frmRandom::MinEn_LostFocus},
    {MaxEn, &frmRandom::MaxEn_Change, &frmRandom::MaxEn_LostFocus},
    {MinNat, &frmRandom::MinNat_Change, &frmRandom::MinNat_LostFocus},
    {MaxNat, &frmRandom::MaxNat_Change, &frmRandom::MaxNat_LostFocus},
    {MinRanX, &frmRandom::MinRanX_Change, &frmRandom::MinRanX_LostFocus},
    {MaxRanX, &frmRandom::MaxRanX_Change, &frmRandom::MaxRanX_LostFocus},
    {MinRanY, &frmRandom::MinRanY_Change, &frmRandom::MinRanY_LostFocus},
    {MaxRanY, &frmRandom::MaxRanY_Change, &frmRandom::MaxRanY_LostFocus},
};

bool keepTyped(char32_t typed, qsizetype) {
    return KeepsTypedCharacter(typed);
}

QLabel* addLabel(QWidget* parent, const QString& text, int left, int top, int width, int height) {
    auto* label = new QLabel(text, parent);
    PlaceInTwips(label, left, top, width, height);
    return label;
}

QComboBox* addList(QWidget* parent, const char* name, const QString& text, int left) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setEditable(true);
    // Entries come from the rules only; Enter in the text part must not add one.
    list->setInsertPolicy(QComboBox::NoInsert);
    KeepTypedTextAsTyped(list);
    list->setEditText(text);
    PlaceInTwips(list, left, 360, 1335, 315);
    return list;
}

// A list's Click: every change of the chosen entry, by the user or by the program, and a
// user's choice of the entry already chosen, which Qt reports only as activated. A change the
// user makes is reported as activated too, right after it; that one must not run the Click
// twice. Each key or mouse input on the list, and each opening of its drop-down, starts
// afresh, so that a change the program made earlier is not taken for part of it.
class ListClick final : public QObject {
  public:
    ListClick(QComboBox* list, std::function<void()> click)
        : QObject(list), click_(std::move(click)) {
        list->installEventFilter(this);
        list->view()->installEventFilter(this);
        connect(list, &QComboBox::currentIndexChanged, this, [this] {
            changed_ = true;
            click_();
        });
        connect(list, &QComboBox::activated, this, [this] {
            if (!std::exchange(changed_, false)) {
                click_();
            }
        });
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::Wheel:
        case QEvent::Show:
            changed_ = false;
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> click_;
    bool changed_ = false;
};

} // namespace

frmRandom::frmRandom(Services services, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(std::move(services)) {
    setObjectName(QStringLiteral("frmRandom"));
    setWindowTitle(QStringLiteral("Generate Random Scenario"));
    SizeClientInTwips(this, 7095, 5655);

    buildPlayerFrame();
    buildFleetFrame("Frame3", "Friendly Fleet Settings", 1320, 1575,
                    {{"Ships:", MinFr}, {"Range X:", MinFRanX}, {"Range Y:", MinFRanY}});
    buildFleetFrame(
        "Frame2", "Enemy Fleet Settings", 3000, 2055,
        {{"Ships:", MinEn}, {"Nations:", MinNat}, {"Range X:", MinRanX}, {"Range Y:", MinRanY}});
    buildResults();

    QWidget* previous = nation_;
    for (QWidget* next : {static_cast<QWidget*>(ship_), static_cast<QWidget*>(shipname_),
                          static_cast<QWidget*>(randomStart_)}) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (QLineEdit* next : boxes_) {
        setTabOrder(previous, next);
        previous = next;
    }
    setTabOrder(previous, cmdGenerate_);
    setTabOrder(cmdGenerate_, forces_);

    connectEvents();
    KeepTextBoxesWhole(this);
    GiveAccessibleNames(this);
    nation_->setFocus();
    Form_Load();
}

frmRandom::~frmRandom() = default;

void frmRandom::buildPlayerFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Player Ship Settings"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    PlaceInTwips(frame, 120, 120, 2895, 1215);

    nation_ = addList(frame, "Nation", QStringLiteral("Nation:"), 120);
    {
        const QSignalBlocker quiet(nation_);
        nation_->addItems(FromCore(NationEntries()));
        nation_->setCurrentIndex(NoSelection);
        nation_->setEditText(QStringLiteral("Nation:"));
    }
    ship_ = addList(frame, "ship", QStringLiteral("Ship:"), 1440);

    shipname_ = new QLineEdit(QString::fromLatin1(ShipNamePlaceholder), frame);
    shipname_->setObjectName(QStringLiteral("shipname"));
    PlaceInTwips(shipname_, 120, 720, 1215, 285);

    randomStart_ = new WrappingCheckBox(QStringLiteral("Random Start Location"), frame);
    randomStart_->setObjectName(QStringLiteral("RandomStart"));
    PlaceInTwips(randomStart_, 1440, 720, 1335, 435);
}

void frmRandom::buildFleetFrame(const char* name, const char* title, int top, int height,
                                std::initializer_list<FleetRow> rows) {
    auto* frame = new QGroupBox(QLatin1String(title), this);
    frame->setObjectName(QLatin1String(name));
    PlaceInTwips(frame, 120, top, 2895, height);
    addLabel(frame, QStringLiteral("Min #"), 960, 240, 735, 255);
    addLabel(frame, QStringLiteral("Max #"), 2040, 240, 735, 255);

    const RandomSettings initial;
    int rowTop = 480;
    for (const FleetRow& row : rows) {
        addLabel(frame, QLatin1String(row.label), 120, rowTop + 30, 800, 255);
        const int width = IsRangeBox(row.min) ? 735 : 375;
        for (const auto& [which, left] :
             {std::pair{row.min, 960}, std::pair{PartnerOf(row.min), 2040}}) {
            auto* edit = new QLineEdit(FromCore(TextOf(initial, which)), frame);
            edit->setObjectName(QLatin1String(BoxName(which)));
            PlaceInTwips(edit, left, rowTop, width, 285);
            boxes_[static_cast<std::size_t>(which)] = edit;
        }
        rowTop += 360;
    }
}

void frmRandom::buildResults() {
    cmdGenerate_ = new QPushButton(QStringLiteral("Generate and Play"), this);
    cmdGenerate_->setObjectName(QStringLiteral("cmdGenerate"));
    PlaceInTwips(cmdGenerate_, 120, 5160, 2895, 375);

    addLabel(this, QStringLiteral("Forces:"), 3120, 120, 1215, 255);
    forces_ = new LineList(this);
    forces_->setObjectName(QStringLiteral("Forces"));
    PlaceInTwips(forces_, 3120, 360, 3855, 4740);

    QLabel* countLabel = addLabel(this, QStringLiteral("Ship Count:"), 5520, 150, 1035, 255);
    shipCount_ = new QLineEdit(QStringLiteral("0"), this);
    shipCount_->setObjectName(QStringLiteral("shipCount"));
    shipCount_->setReadOnly(true);
    shipCount_->setFocusPolicy(Qt::ClickFocus);
    PlaceInTwips(shipCount_, 6600, 120, 375, 285);
    FitCountBox(shipCount_);
    KeepClearOf(countLabel, shipCount_);

    QLabel* note = addLabel(this,
                            QStringLiteral("Current min/max range is the recommended settings. "
                                           "There is no min or max cap for the range."),
                            3120, 5160, 3855, 495);
    note->setObjectName(QStringLiteral("note"));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void frmRandom::connectEvents() {
    for (const BoxHandlers& handlers : Handlers) {
        QLineEdit* edit = box(handlers.box);
        connect(edit, &QLineEdit::textChanged, this, handlers.change);
        BoxEvents::of(edit).onTyped(keepTyped).onLostFocus(
            [this, lostFocus = handlers.lostFocus] { (this->*lostFocus)(); });
    }
    BoxEvents::of(shipname_)
        .onTyped(keepTyped)
        .onLostFocus([this] { shipname_LostFocus(); })
        .onClick([this] { shipname_Click(); });
    // Keys reach a combo box's text part through the combo box itself. The player's nation,
    // class and name are fields of a force line, which no space may split.
    BoxEvents::of(nation_).onTyped(keepTyped);
    BoxEvents::of(ship_).onTyped(keepTyped);
    for (QLineEdit* field : {nation_->lineEdit(), ship_->lineEdit(), shipname_}) {
        RemovePastedBlanks(field);
    }
    new ListClick(nation_, [this] { Nation_Click(); });
    new ListClick(ship_, [this] { ship_Click(); });
    connect(cmdGenerate_, &QPushButton::clicked, this, &frmRandom::cmdGenerate_Click);
}

void frmRandom::setRandomSource(std::unique_ptr<RandomSource> random) {
    random_ = std::move(random);
}

void frmRandom::Form_Load() {
    random_ = std::make_unique<SeededRandom>(ClockSeed());
}

QLineEdit* frmRandom::box(SettingsBox which) const {
    return boxes_[static_cast<std::size_t>(which)];
}

void frmRandom::boxChange(SettingsBox which) {
    QLineEdit* edit = box(which);
    const RuleOutcome outcome =
        ChangeRule(which, ToCore(edit->text()), ToCore(box(PartnerOf(which))->text()));
    if (outcome.focusHere) {
        edit->setFocus();
    }
    if (outcome.write) {
        // The box's textChanged runs this rule again on the new text before setText returns.
        edit->setText(FromCore(*outcome.write));
    }
}

void frmRandom::boxLostFocus(SettingsBox which) {
    QLineEdit* edit = box(which);
    if (const std::optional<std::string> fill = FillRule(which, ToCore(edit->text()))) {
        edit->setText(FromCore(*fill));
    }
}

void frmRandom::shipname_Click() {
    if (const std::optional<std::string> cleared = ClickIntoShipName(ToCore(shipname_->text()))) {
        shipname_->setText(FromCore(*cleared));
    }
}

void frmRandom::shipname_LostFocus() {
    if (const std::optional<std::string> fill = ShipNameFill(ToCore(shipname_->text()))) {
        shipname_->setText(FromCore(*fill));
    }
}

void frmRandom::Nation_Click() {
    const NationChoice choice = ChooseNation(nation_->currentIndex(), *random_);
    if (choice.drawnNation) {
        // A drawn nation is never "Random" itself, so choosing it is a change, which runs
        // this rule for it before setCurrentIndex returns.
        nation_->setCurrentIndex(*choice.drawnNation);
    }
    refillShip(choice.classEntries);
}

void frmRandom::ship_Click() {
    // The drawn class is never the "Random" entry chosen, so this too is a change.
    if (const std::optional<int> drawn =
            ChooseClass(ship_->currentIndex(), ship_->count(), *random_)) {
        ship_->setCurrentIndex(*drawn);
    }
}

void frmRandom::refillShip(const std::vector<std::string>& entries) {
    // Filling makes no choice, so it runs no Click.
    const QSignalBlocker quiet(ship_);
    ship_->clear();
    ship_->addItems(FromCore(entries));
    ship_->setCurrentIndex(NoSelection);
    ship_->setEditText(QString());
}

RandomSettings frmRandom::readSettings() const {
    RandomSettings settings;
    for (SettingsBox which : SettingsBoxes()) {
        TextOf(settings, which) = ToCore(box(which)->text());
    }
    settings.playerNationCode = nation_->currentIndex();
    settings.playerClassPosition = ship_->currentIndex();
    settings.playerNation = ToCore(nation_->currentText());
    settings.playerClass = ToCore(ship_->currentText());
    settings.playerName = ToCore(shipname_->text());
    settings.randomStart = randomStart_->isChecked();
    return settings;
}

void frmRandom::cmdGenerate_Click() {
    forces_->clear();
    const RandomSettings settings = readSettings();
    if (!IsPlayerShipComplete(settings)) {
        services_.dialogs->inform(this,
                                  QStringLiteral("Complete the player ship information please."));
        return;
    }
    const std::vector<std::string> lines = GenerateForces(settings, *random_);
    forces_->setLines(FromCore(lines));
    shipCount_->setText(FromCore(ShipCountText(lines.size())));
    if (services_.dialogs->ask(this, QStringLiteral("Are you satisfied with this generation?"))) {
        playRandomScenario();
    }
}

void frmRandom::playRandomScenario() {
    // The compiler is waited for on this thread; the window does not respond meanwhile.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const PlayOutcome outcome =
        PlayRandomScenario(services_.programFolder, ToCore(forces_->lines()), *services_.toolchain);
    QGuiApplication::restoreOverrideCursor();

    switch (outcome.kind) {
    case PlayOutcome::Kind::Launched:
        break;
    case PlayOutcome::Kind::GameNotFound:
        services_.dialogs->inform(this, QString::fromUtf8(GameNotFoundMessage));
        break;
    case PlayOutcome::Kind::DidNotCompile:
        if (outcome.failure) {
            services_.dialogs->inform(this, FromCore(outcome.failure->description));
        }
        services_.dialogs->inform(this, QStringLiteral("Scenario did not compile."));
        break;
    case PlayOutcome::Kind::Failed:
        services_.dialogs->inform(
            this, QStringLiteral("Error: ") +
                      FromCore(outcome.failure ? outcome.failure->description : std::string()));
        break;
    }
}

} // namespace forgeline
