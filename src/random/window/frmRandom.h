#pragma once

#include "random/RandomSource.h"
#include "random/SettingsRules.h"
#include "ui/Services.h"

#include <QWidget>
#include <array>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace forgeline {

class LineList;

// The random scenario generator: the player's ship and the ranges a random fleet is drawn
// from, the fleet last drawn, and the button that draws, shows and plays it.
class frmRandom : public QWidget {
    Q_OBJECT

  public:
    explicit frmRandom(Services services, QWidget* parent = nullptr);
    ~frmRandom() override;

    // Replaces the clock-seeded source, so that the draws can be replayed.
    void setRandomSource(std::unique_ptr<RandomSource> random);

    void Form_Load();
    void cmdGenerate_Click();
    void Nation_Click();
    void ship_Click();
    void shipname_Click();
    void shipname_LostFocus();

    void MinFr_Change() { boxChange(SettingsBox::MinFr); }
    void MaxFr_Change() { boxChange(SettingsBox::MaxFr); }
    void MinFRanX_Change() { boxChange(SettingsBox::MinFRanX); }
    void MaxFRanX_Change() { boxChange(SettingsBox::MaxFRanX); }
    void MinFRanY_Change() { boxChange(SettingsBox::MinFRanY); }
    void MaxFRanY_Change() { boxChange(SettingsBox::MaxFRanY); }
    void MinEn_Change() { boxChange(SettingsBox::MinEn); }
    void MaxEn_Change() { boxChange(SettingsBox::MaxEn); }
    void MinNat_Change() { boxChange(SettingsBox::MinNat); }
    void MaxNat_Change() { boxChange(SettingsBox::MaxNat); }
    void MinRanX_Change() { boxChange(SettingsBox::MinRanX); }
    void MaxRanX_Change() { boxChange(SettingsBox::MaxRanX); }
    void MinRanY_Change() { boxChange(SettingsBox::MinRanY); }
    void MaxRanY_Change() { boxChange(SettingsBox::MaxRanY); }

    void MinFr_LostFocus() { boxLostFocus(SettingsBox::MinFr); }
    void MaxFr_LostFocus() { boxLostFocus(SettingsBox::MaxFr); }
    void MinFRanX_LostFocus() { boxLostFocus(SettingsBox::MinFRanX); }
    void MaxFRanX_LostFocus() { boxLostFocus(SettingsBox::MaxFRanX); }
    void MinFRanY_LostFocus() { boxLostFocus(SettingsBox::MinFRanY); }
    void MaxFRanY_LostFocus() { boxLostFocus(SettingsBox::MaxFRanY); }
    void MinEn_LostFocus() { boxLostFocus(SettingsBox::MinEn); }
    void MaxEn_LostFocus() { boxLostFocus(SettingsBox::MaxEn); }
    void MinNat_LostFocus() { boxLostFocus(SettingsBox::MinNat); }
    void MaxNat_LostFocus() { boxLostFocus(SettingsBox::MaxNat); }
    void MinRanX_LostFocus() { boxLostFocus(SettingsBox::MinRanX); }
    void MaxRanX_LostFocus() { boxLostFocus(SettingsBox::MaxRanX); }
    void MinRanY_LostFocus() { boxLostFocus(SettingsBox::MinRanY); }
    void MaxRanY_LostFocus() { boxLostFocus(SettingsBox::MaxRanY); }

  private:
    void buildPlayerFrame();
    // A frame of Min/Max rows under the heads "Min #" and "Max #", one row per Min box.
    struct FleetRow {
        const char* label;
        SettingsBox min;
    };
    void buildFleetFrame(const char* name, const char* title, int top, int height,
                         std::initializer_list<FleetRow> rows);
    void buildResults();
    void connectEvents();

    QLineEdit* box(SettingsBox which) const;
    void boxChange(SettingsBox which);
    void boxLostFocus(SettingsBox which);
    void refillShip(const std::vector<std::string>& entries);
    RandomSettings readSettings() const;
    void playRandomScenario();

    Services services_;
    std::unique_ptr<RandomSource> random_;

    QComboBox* nation_ = nullptr;
    QComboBox* ship_ = nullptr;
    QLineEdit* shipname_ = nullptr;
    QCheckBox* randomStart_ = nullptr;
    std::array<QLineEdit*, SettingsBoxCount> boxes_{};
    QPushButton* cmdGenerate_ = nullptr;
    LineList* forces_ = nullptr;
    QLineEdit* shipCount_ = nullptr;
};

} // namespace forgeline
