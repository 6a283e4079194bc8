#pragma once

#include "random/RandomSettings.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace forgeline {

// The generator's count and range boxes, in tab order.
enum class SettingsBox {
    MinFr,
    MaxFr,
    MinFRanX,
    MaxFRanX,
    MinFRanY,
    MaxFRanY,
    MinEn,
    MaxEn,
    MinNat,
    MaxNat,
    MinRanX,
    MaxRanX,
    MinRanY,
    MaxRanY,
};

inline constexpr std::size_t SettingsBoxCount = 14;

const std::array<SettingsBox, SettingsBoxCount>& SettingsBoxes();

// The box's control name, "MinFr" and so on.
std::string_view BoxName(SettingsBox box);

// The other box of the same Min/Max pair.
SettingsBox PartnerOf(SettingsBox box);

bool IsRangeBox(SettingsBox box);

// The box's text within a settings record.
std::string& TextOf(RandomSettings& settings, SettingsBox box);
const std::string& TextOf(const RandomSettings& settings, SettingsBox box);

// Whether a typed character may reach a count or range box, the ship name or the nation
// text: everything but a blank does.
bool KeepsTypedCharacter(char32_t typed);

// What a box's change rule does with its text.
struct RuleOutcome {
    // The box's new text, when the rule replaces it.
    std::optional<std::string> write;
    // The input focus goes to the box (it is empty, or a range box holds a lone "-").
    bool focusHere = false;
};

// The rule a box runs on every change of its text. It reads the partner box but never
// changes it.
RuleOutcome ChangeRule(SettingsBox box, std::string_view text, std::string_view partnerText);

// The text a box takes when it loses the focus while empty (range boxes: also a lone "-").
std::optional<std::string> FillRule(SettingsBox box, std::string_view text);

// Writes the text into the box and runs its change rule on it and on each text the rule
// writes, until the text stays. True when the rule wants the focus in the box.
bool SetBoxText(RandomSettings& settings, SettingsBox box, std::string text);

// The fill rule of a box that loses the focus, and the change rule on what it writes.
void LeaveBox(RandomSettings& settings, SettingsBox box);

} // namespace forgeline
