#include "random/SettingsRules.h"

#include "model/Blanks.h"
#include "random/WholeNumber.h"

namespace forgeline {
namespace {

struct BoxFacts {
    std::string_view name;
    SettingsBox partner;
    bool isMin;
    std::string RandomSettings::*text;
    // Written when the box is left empty (a range box: also when left holding "-").
    std::string_view fill;
};

using enum SettingsBox;

// In the order of the enumeration.
constexpr BoxFacts Facts[] = {
    {"MinFr", MaxFr, true, &RandomSettings::MinFr, "0"},
    {"MaxFr", MinFr, false, &RandomSettings::MaxFr, "10"},
    {"MinFRanX", MaxFRanX, true, &RandomSettings::MinFRanX, "-25000"},
    {"MaxFRanX", MinFRanX, false, &RandomSettings::MaxFRanX, "25000"},
    {"MinFRanY", MaxFRanY, true, &RandomSettings::MinFRanY, "-25000"},
    {"MaxFRanY", MinFRanY, false, &RandomSettings::MaxFRanY, "25000"},
    {"MinEn", MaxEn, true, &RandomSettings::MinEn, "1"},
    {"MaxEn", MinEn, false, &RandomSettings::MaxEn, "1"},
    {"MinNat", MaxNat, true, &RandomSettings::MinNat, "1"},
    {"MaxNat", MinNat, false, &RandomSettings::MaxNat, "1"},
    {"MinRanX", MaxRanX, true, &RandomSettings::MinRanX, "-25000"},
    {"MaxRanX", MinRanX, false, &RandomSettings::MaxRanX, "25000"},
    {"MinRanY", MaxRanY, true, &RandomSettings::MinRanY, "-25000"},
    {"MaxRanY", MinRanY, false, &RandomSettings::MaxRanY, "-25000"},
};

const BoxFacts& factsOf(SettingsBox box) {
    return Facts[static_cast<std::size_t>(box)];
}

enum class PairStep {
    // Partner equal or below: write the partner's whole value minus 1.
    BelowPartner,
    // Partner below: write the partner's whole value.
    NotAbovePartner,
    // Partner equal or above: write the partner's whole value plus 1.
    AbovePartner,
    // Partner above: write the partner's text as it stands.
    NotBelowPartner,
};

struct CountRule {
    SettingsBox box;
    // Written for a text that is not a number and for a value out of bounds.
    std::string_view reset;
    int lowest;
    int highest;
    PairStep pair;
    // The partner-equal test comes before the bounds test.
    bool equalFirst;
};

constexpr CountRule CountRules[] = {
    {MinFr, "1", 1, 9, PairStep::BelowPartner, false},
    {MaxFr, "10", 1, 10, PairStep::AbovePartner, true},
    {MinEn, "1", 1, 29, PairStep::BelowPartner, false},
    {MaxEn, "20", 2, 30, PairStep::AbovePartner, false},
    {MinNat, "1", 1, 3, PairStep::NotAbovePartner, false},
    {MaxNat, "3", 1, 3, PairStep::NotBelowPartner, false},
};

const CountRule* countRuleOf(SettingsBox box) {
    for (const CountRule& rule : CountRules) {
        if (rule.box == box) {
            return &rule;
        }
    }
    return nullptr;
}

RuleOutcome write(std::string text) {
    return {std::move(text), false};
}

RuleOutcome keepFocusHere() {
    return {std::nullopt, true};
}

// A partner holding no number yet (the user is still in it) counts as the bound of its own
// box that stands least in this box's way. So a Max typed as 1 beside an empty Min moves up
// as it would beside a Min of 1, and the Min, once filled, never meets a Max it cannot stay
// below.
WholeNumber partnerValue(SettingsBox box, std::string_view partnerText) {
    if (auto value = WholeNumber::FloorOf(partnerText)) {
        return *value;
    }
    const CountRule& partner = *countRuleOf(factsOf(box).partner);
    return WholeNumber(factsOf(box).isMin ? partner.highest : partner.lowest);
}

RuleOutcome countChange(const CountRule& rule, std::string_view text,
                        std::string_view partnerText) {
    if (text.empty()) {
        return keepFocusHere();
    }
    const std::optional<WholeNumber> own = WholeNumber::FloorOf(text);
    if (!own) {
        return write(std::string(rule.reset));
    }
    const WholeNumber partner = partnerValue(rule.box, partnerText);
    const WholeNumber one(1);
    if (rule.equalFirst && partner == *own) {
        return write((partner + one).text());
    }
    if (*own < WholeNumber(rule.lowest) || *own > WholeNumber(rule.highest)) {
        return write(std::string(rule.reset));
    }
    switch (rule.pair) {
    case PairStep::BelowPartner:
        if (partner <= *own) {
            return write((partner - one).text());
        }
        break;
    case PairStep::NotAbovePartner:
        if (partner < *own) {
            return write(partner.text());
        }
        break;
    case PairStep::AbovePartner:
        if (partner >= *own) {
            return write((partner + one).text());
        }
        break;
    case PairStep::NotBelowPartner:
        if (partner > *own) {
            return write(std::string(partnerText));
        }
        break;
    }
    return {};
}

RuleOutcome rangeChange(SettingsBox box, std::string_view text, std::string_view partnerText) {
    // A lone "-" stays, so that a negative number can be typed.
    if (text.empty() || text == "-") {
        return keepFocusHere();
    }
    const std::optional<WholeNumber> own = WholeNumber::FloorOf(text);
    const WholeNumber gap(1000);
    // A Min within 1000 of the largest value a number may have, or a Max within 1000 of the
    // smallest, leaves its partner no number to move to: the partner's rule would write a text
    // that is not numeric, and the pair would never settle.
    const bool isMin = factsOf(box).isMin;
    if (!own || !WholeNumber::FloorOf((isMin ? *own + gap : *own - gap).text())) {
        return write("-25000");
    }
    // Until the partner is filled there is nothing to keep apart from.
    const std::optional<WholeNumber> partner = WholeNumber::FloorOf(partnerText);
    if (!partner) {
        return {};
    }
    if (isMin) {
        if (*partner < *own + gap) {
            return write((*partner - gap).text());
        }
    } else if (*partner > *own - gap) {
        return write((*partner + gap).text());
    }
    return {};
}

} // namespace

const std::array<SettingsBox, SettingsBoxCount>& SettingsBoxes() {
    static const std::array<SettingsBox, SettingsBoxCount> boxes = {
        MinFr, MaxFr,  MinFRanX, MaxFRanX, MinFRanY, MaxFRanY, MinEn,
        MaxEn, MinNat, MaxNat,   MinRanX,  MaxRanX,  MinRanY,  MaxRanY,
    };
    return boxes;
}

std::string_view BoxName(SettingsBox box) {
    return factsOf(box).name;
}

SettingsBox PartnerOf(SettingsBox box) {
    return factsOf(box).partner;
}

bool IsRangeBox(SettingsBox box) {
    return countRuleOf(box) == nullptr;
}

std::string& TextOf(RandomSettings& settings, SettingsBox box) {
    return settings.*factsOf(box).text;
}

const std::string& TextOf(const RandomSettings& settings, SettingsBox box) {
    return settings.*factsOf(box).text;
}

bool KeepsTypedCharacter(char32_t typed) {
    return !IsBlank(typed);
}

RuleOutcome ChangeRule(SettingsBox box, std::string_view text, std::string_view partnerText) {
    if (const CountRule* rule = countRuleOf(box)) {
        return countChange(*rule, text, partnerText);
    }
    return rangeChange(box, text, partnerText);
}

std::optional<std::string> FillRule(SettingsBox box, std::string_view text) {
    if (text.empty() || (IsRangeBox(box) && text == "-")) {
        return std::string(factsOf(box).fill);
    }
    return std::nullopt;
}

bool SetBoxText(RandomSettings& settings, SettingsBox box, std::string text) {
    std::string& own = TextOf(settings, box);
    // An unchanged text is no change, and runs no rule.
    if (own == text) {
        return false;
    }
    own = std::move(text);
    for (;;) {
        RuleOutcome outcome = ChangeRule(box, own, TextOf(settings, PartnerOf(box)));
        if (!outcome.write) {
            return outcome.focusHere;
        }
        own = std::move(*outcome.write);
    }
}

void LeaveBox(RandomSettings& settings, SettingsBox box) {
    if (std::optional<std::string> fill = FillRule(box, TextOf(settings, box))) {
        SetBoxText(settings, box, std::move(*fill));
    }
}

} // namespace forgeline
