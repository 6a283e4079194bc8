#include "random/SettingsRules.h"

#include <gtest/gtest.h>

namespace forgeline {
namespace {

using enum SettingsBox;

struct ChangeRow {
    SettingsBox box;
    const char* text;
    const char* partner;
    std::optional<std::string> write;
    bool focus;
};

void expectChanges(const std::vector<ChangeRow>& rows) {
    for (const ChangeRow& row : rows) {
        const RuleOutcome outcome = ChangeRule(row.box, row.text, row.partner);
        EXPECT_EQ(outcome.write, row.write)
            << BoxName(row.box) << " \"" << row.text << "\" beside \"" << row.partner << '"';
        EXPECT_EQ(outcome.focusHere, row.focus)
            << BoxName(row.box) << " \"" << row.text << "\" beside \"" << row.partner << '"';
    }
}

const std::nullopt_t none = std::nullopt;

TEST(SettingsRules, ShipCountChanges) {
    expectChanges({
        {MinEn, "", "20", none, true},       {MinEn, "x", "20", "1", false},
        {MinEn, "-", "20", "1", false},      {MinEn, "0.9", "20", "1", false},
        {MinEn, "30", "20", "1", false},     {MinEn, "25", "20", "19", false},
        {MinEn, "20", "20", "19", false},    {MinEn, "2.9", "20", none, false},
        {MinEn, "29.99", "30", none, false}, {MinEn, "5", "5.5", "4", false},
        {MinEn, "1E30", "20", "1", false},   {MinEn, "29", "", none, false},
        {MaxEn, "x", "1", "20", false},      {MaxEn, "1", "1", "20", false},
        {MaxEn, "5", "5", "6", false},       {MaxEn, "5", "7", "8", false},
        {MaxEn, "30", "29", none, false},    {MaxEn, "-99999999999999999999", "1", "20", false},
        {MinFr, "10", "10", "1", false},     {MinFr, "9", "10", none, false},
        {MinFr, "5", "3", "2", false},       {MaxFr, "1", "1", "2", false},
        {MaxFr, "0", "1", "10", false},      {MaxFr, "3", "5", "6", false},
        {MaxFr, "2.5", "2", "3", false},     {MaxFr, "0", "0", "1", false},
        {MaxFr, "11", "1", "10", false},     {MaxFr, "1", "", "2", false},
    });
}

TEST(SettingsRules, NationCountChanges) {
    expectChanges({
        {MinNat, "", "3", none, true},
        {MinNat, "3", "2", "2", false},
        {MinNat, "3", "2.5", "2", false},
        {MinNat, "2", "2", none, false},
        {MinNat, "4", "3", "1", false},
        {MinNat, "3", "", none, false},
        {MaxNat, "2", "3", "3", false},
        {MaxNat, "1", "2.5", "2.5", false},
        {MaxNat, "2", "2.5", none, false},
        {MaxNat, "x", "1", "3", false},
        {MaxNat, "4", "1", "3", false},
        {MaxNat, "1", "", none, false},
    });
}

TEST(SettingsRules, RangeChanges) {
    expectChanges({
        {MaxFRanX, "", "-25000", none, true},
        {MaxFRanX, "-", "-25000", none, true},
        {MaxFRanX, "a", "-25000", "-25000", false},
        {MaxRanY, "x", "-25000", "-25000", false},
        {MaxFRanX, "-25000", "-25000", "-24000", false},
        {MaxFRanX, "25000", "-25000", none, false},
        {MaxRanX, "500", "0", "1000", false},
        {MaxRanX, "998", "-0.5", "999", false},
        {MaxRanX, "999.5", "-0.5", none, false},
        {MinRanX, "24500", "25000", "24000", false},
        {MinRanX, "2.5", "1001.9", "1", false},
        {MinRanX, "-100000", "100000", none, false},
        {MinRanX, "1E30", "25000", "24000", false},
        {MinRanX, "1E31", "1E30", std::string(27, '9') + "000", false},
        {MaxRanX, "-99999999999999999999", "-25000", "-24000", false},
        {MaxRanX, "1E308", "1E307", none, false},
        {MaxFRanY, "5", "-", none, false},
        {MinFRanY, "5", "", none, false},
    });
}

TEST(SettingsRules, FillOnLeaving) {
    struct Row {
        SettingsBox box;
        const char* text;
        std::optional<std::string> fill;
    };
    const Row rows[] = {
        {MinFr, "", "0"},         {MaxFr, "", "10"},         {MinEn, "", "1"},
        {MaxEn, "", "1"},         {MinNat, "", "1"},         {MaxNat, "", "1"},
        {MinFRanX, "", "-25000"}, {MinFRanY, "-", "-25000"}, {MinRanX, "-", "-25000"},
        {MinRanY, "", "-25000"},  {MaxFRanX, "-", "25000"},  {MaxFRanY, "", "25000"},
        {MaxRanX, "-", "25000"},  {MaxRanY, "", "-25000"},   {MaxRanY, "-", "-25000"},
        {MinFr, "-", none},       {MaxEn, "5", none},        {MaxFRanX, "5", none},
        {MinRanX, "-5", none},    {MinRanX, "--", none},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FillRule(row.box, row.text), row.fill)
            << BoxName(row.box) << " \"" << row.text << '"';
    }
}

// What the user sees: a text typed or pasted into one box with its rule run to the end, or a
// box left.
TEST(SettingsRules, BoxesSettle) {
    struct Row {
        SettingsBox partner;
        const char* partnerText;
        SettingsBox box;
        const char* typed; // nullptr: the box is emptied and left
        std::string settled;
    };
    const Row rows[] = {
        {MaxEn, "20", MinEn, "25", "19"},
        {MinEn, "5", MaxEn, "5", "6"},
        {MinFr, "1", MaxFr, "1", "2"},
        {MinFr, "5", MaxFr, "3", "6"},
        {MaxNat, "2", MinNat, "3", "2"},
        {MinNat, "3", MaxNat, "2", "3"},
        {MinFRanX, "-25000", MaxFRanX, "q", "-24000"},
        {MinRanX, "0", MaxRanX, "500", "1000"},
        {MaxRanX, "25000", MinRanX, "24500", "24000"},
        {MaxFr, "10", MinFr, nullptr, "1"},
        {MinFr, "9", MaxFr, nullptr, "10"},
        {MinEn, "1", MaxEn, nullptr, "20"},
        {MinEn, "25", MaxEn, nullptr, "26"},
        {MinNat, "2", MaxNat, nullptr, "2"},
        {MinRanY, "-25000", MaxRanY, nullptr, "-24000"},
        {MinRanY, "-26000", MaxRanY, nullptr, "-25000"},
        {MaxRanX, "25000", MinRanX, nullptr, "-25000"},
    };
    for (const Row& row : rows) {
        RandomSettings settings;
        TextOf(settings, row.partner) = row.partnerText;
        if (row.typed) {
            EXPECT_FALSE(SetBoxText(settings, row.box, row.typed));
        } else {
            EXPECT_TRUE(SetBoxText(settings, row.box, ""));
            LeaveBox(settings, row.box);
        }
        EXPECT_EQ(TextOf(settings, row.box), row.settled)
            << BoxName(row.box) << " \"" << (row.typed ? row.typed : "(left empty)") << '"';
        EXPECT_EQ(TextOf(settings, row.partner), row.partnerText) << BoxName(row.box);
    }
}

TEST(SettingsRules, LoneMinusWaitsInARangeBoxUntilLeft) {
    RandomSettings settings;
    EXPECT_TRUE(SetBoxText(settings, MaxRanY, "-"));
    EXPECT_EQ(settings.MaxRanY, "-");
    EXPECT_FALSE(SetBoxText(settings, MaxRanY, "-3"));
    EXPECT_EQ(settings.MaxRanY, "-3");
    EXPECT_TRUE(SetBoxText(settings, MaxRanY, "-"));
    LeaveBox(settings, MaxRanY);
    EXPECT_EQ(settings.MaxRanY, "-24000");
    EXPECT_TRUE(SetBoxText(settings, MinFRanX, "-"));
    LeaveBox(settings, MinFRanX);
    EXPECT_EQ(settings.MinFRanX, "-25000");
    EXPECT_FALSE(SetBoxText(settings, MinEn, "-"));
    EXPECT_EQ(settings.MinEn, "1");
}

TEST(SettingsRules, EveryBoxHasItsOwnFieldAndPartner) {
    RandomSettings settings;
    for (SettingsBox box : SettingsBoxes()) {
        TextOf(settings, box) = std::string(BoxName(box));
    }
    const std::pair<const std::string*, const char*> fields[] = {
        {&settings.MinFr, "MinFr"},       {&settings.MaxFr, "MaxFr"},
        {&settings.MinFRanX, "MinFRanX"}, {&settings.MaxFRanX, "MaxFRanX"},
        {&settings.MinFRanY, "MinFRanY"}, {&settings.MaxFRanY, "MaxFRanY"},
        {&settings.MinEn, "MinEn"},       {&settings.MaxEn, "MaxEn"},
        {&settings.MinNat, "MinNat"},     {&settings.MaxNat, "MaxNat"},
        {&settings.MinRanX, "MinRanX"},   {&settings.MaxRanX, "MaxRanX"},
        {&settings.MinRanY, "MinRanY"},   {&settings.MaxRanY, "MaxRanY"},
    };
    for (const auto& [field, name] : fields) {
        EXPECT_EQ(*field, name);
    }
    for (SettingsBox box : SettingsBoxes()) {
        const std::string_view name = BoxName(box);
        const std::string_view partner = BoxName(PartnerOf(box));
        EXPECT_EQ(PartnerOf(PartnerOf(box)), box) << name;
        EXPECT_NE(name.substr(0, 3), partner.substr(0, 3)) << name;
        EXPECT_EQ(name.substr(3), partner.substr(3)) << name;
        EXPECT_EQ(IsRangeBox(box), name.find("Ran") != std::string_view::npos) << name;
    }
}

TEST(SettingsRules, OnlyASpaceIsKeptOut) {
    EXPECT_FALSE(KeepsTypedCharacter(U' '));
    for (char32_t typed : {U'a', U'-', U'.', U'+', U'E', U'0', U'\u00a0', U'\u00e9'}) {
        EXPECT_TRUE(KeepsTypedCharacter(typed)) << static_cast<std::uint32_t>(typed);
    }
}

} // namespace
} // namespace forgeline
