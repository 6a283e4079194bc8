#include "random/SettingsRules.h"

#include "ScriptedRandom.h"
#include "model/ShipCatalogue.h"
#include "random/PlayerShipRules.h"
#include "random/WholeNumber.h"

#include <gtest/gtest.h>

namespace forgeline {
namespace {

using enum SettingsBox;
using Entries = std::vector<std::string>;

std::optional<std::string> text(const char* text) {
    return text ? std::optional<std::string>(text) : std::nullopt;
}

// Marks a row whose rule keeps the focus in the box and writes nothing.
constexpr const char* Focus = "(focus)";

TEST(SettingsRules, ChangeAndFillRules) {
    using Rows = std::vector<std::tuple<SettingsBox, const char*, const char*, const char*>>;
    const Rows counts = {
        {MinEn, "", "20", Focus},     {MinEn, "x", "20", "1"},     {MinEn, "0.9", "20", "1"},
        {MinEn, "30", "20", "1"},     {MinEn, "20", "20", "19"},   {MinEn, "2.9", "20", nullptr},
        {MinEn, "5", "5.5", "4"},     {MinEn, "29", "", nullptr},  {MinEn, "1E30", "20", "1"},
        {MaxEn, "1", "1", "20"},      {MaxEn, "9", "9", "10"},     {MaxEn, "5", "7", "8"},
        {MaxEn, "30", "29", nullptr}, {MinFr, "10", "10", "1"},    {MinFr, "9", "10", nullptr},
        {MinFr, "5", "3", "2"},       {MaxFr, "0", "1", "10"},     {MaxFr, "3", "5", "6"},
        {MaxFr, "0", "0", "1"},       {MaxFr, "11", "1", "10"},    {MaxFr, "1", "", "2"},
        {MinNat, "3", "2.5", "2"},    {MinNat, "2", "2", nullptr}, {MinNat, "4", "3", "1"},
        {MinNat, "3", "", nullptr},   {MaxNat, "1", "2.5", "2.5"}, {MaxNat, "2", "2.5", nullptr},
        {MaxNat, "4", "1", "3"},      {MaxNat, "1", "", nullptr}};
    const Rows ranges = {
        {MaxFRanX, "", "-25000", Focus},     {MaxFRanX, "-", "-25000", Focus},
        {MaxFRanX, "a", "-25000", "-25000"}, {MaxFRanX, "-25000", "-25000", "-24000"},
        {MaxFRanY, "25000", "-", nullptr},   {MaxRanX, "998", "-0.5", "999"},
        {MaxRanX, "999.5", "-0.5", nullptr}, {MaxRanX, "1E308", "1E307", nullptr},
        {MaxRanX, "-500", "-1000", "0"},     {MinRanX, "24500", "25000", "24000"},
        {MinRanX, "2.5", "1001.9", "1"},     {MinRanX, "-100000", "100000", nullptr}};
    for (const Rows& rows : {counts, ranges}) {
        for (const auto& [box, own, partner, result] : rows) {
            const RuleOutcome out = ChangeRule(box, own, partner);
            const auto got =
                out.focusHere ? std::optional(Focus + out.write.value_or("")) : out.write;
            EXPECT_EQ(got, text(result)) << BoxName(box) << " " << own << " by " << partner;
        }
    }
    EXPECT_EQ(ChangeRule(MinRanX, "1E21", "1E20").write, "99999999999999999000");
    const std::tuple<SettingsBox, const char*, const char*> fills[] = {
        {MinFr, "", "0"},         {MaxFr, "", "10"},         {MinEn, "", "1"},
        {MaxEn, "", "1"},         {MinNat, "", "1"},         {MaxNat, "", "1"},
        {MinFRanX, "", "-25000"}, {MinFRanY, "-", "-25000"}, {MinRanX, "-", "-25000"},
        {MinRanY, "", "-25000"},  {MaxFRanX, "-", "25000"},  {MaxFRanY, "", "25000"},
        {MaxRanX, "-", "25000"},  {MaxRanY, "", "-25000"},   {MinFr, "-", nullptr},
        {MaxEn, "5", nullptr},    {MinRanX, "--", nullptr}};
    for (const auto& [box, own, fill] : fills) {
        EXPECT_EQ(FillRule(box, own), text(fill)) << BoxName(box) << " \"" << own << '"';
    }
}

TEST(SettingsRules, EveryBoxHasItsOwnField) {
    RandomSettings s;
    for (SettingsBox box : SettingsBoxes()) {
        TextOf(s, box) = std::string(BoxName(box));
    }
    EXPECT_EQ((Entries{s.MinFr, s.MaxFr, s.MinFRanX, s.MaxFRanX, s.MinFRanY, s.MaxFRanY, s.MinEn,
                       s.MaxEn, s.MinNat, s.MaxNat, s.MinRanX, s.MaxRanX, s.MinRanY, s.MaxRanY}),
              (Entries{"MinFr", "MaxFr", "MinFRanX", "MaxFRanX", "MinFRanY", "MaxFRanY", "MinEn",
                       "MaxEn", "MinNat", "MaxNat", "MinRanX", "MaxRanX", "MinRanY", "MaxRanY"}));
}

TEST(SettingsRules, PlayerShipLists) {
    EXPECT_EQ(NationEntries(), (Entries{"Federation", "Klingon", "Romulan", "Orion", "Random"}));
    const std::tuple<int, std::vector<double>, int> nations[] = {
        {0, {}, 0},       {3, {}, 3},   {4, {0.2499}, 0}, {4, {0.25}, 1},
        {4, {0.9999}, 3}, {-1, {}, -1}, {5, {}, -1}};
    for (const auto& [position, draws, shown] : nations) {
        testing::ScriptedRandom random(draws);
        const NationChoice choice = ChooseNation(position, random);
        Entries classes = ClassesForNation(shown);
        if (shown >= 0) {
            classes.emplace_back("Random");
        }
        EXPECT_EQ(choice.drawnNation, draws.empty() ? std::nullopt : std::optional(shown));
        EXPECT_TRUE(choice.classEntries == classes && random.exact()) << position;
    }
    const std::tuple<int, int, std::vector<double>, std::optional<int>> classes[] = {
        {3, 4, {0.0}, 0},         {3, 4, {0.9999}, 2},       {7, 8, {0.9999}, 6},
        {2, 4, {}, std::nullopt}, {-1, 4, {}, std::nullopt}, {0, 1, {}, std::nullopt}};
    for (const auto& [position, count, draws, drawn] : classes) {
        testing::ScriptedRandom random(draws);
        EXPECT_TRUE(ChooseClass(position, count, random) == drawn && random.exact())
            << position << " of " << count;
    }
    const std::tuple<const char*, const char*, const char*> names[] = {
        {"ShipName", "", nullptr},       {"", nullptr, "ShipName"}, {"shipname", nullptr, nullptr},
        {"ShipName2", nullptr, nullptr}, {" ", nullptr, nullptr},   {"Korg", nullptr, nullptr}};
    for (const auto& [name, click, fill] : names) {
        EXPECT_TRUE(ClickIntoShipName(name) == text(click) && ShipNameFill(name) == text(fill))
            << name;
    }
}

TEST(SettingsRules, WholeNumberFloors) {
    const std::pair<const char*, const char*> floors[] = {
        {"2.7", "2"},      {"-2.5", "-3"},    {"-2", "-2"},       {"-0", "0"},
        {"+7", "7"},       {"007", "7"},      {".5", "0"},        {"-.5", "-1"},
        {"1.", "1"},       {"-12.00", "-12"}, {"1.5e+2", "150"},  {"2.5E", "2"},
        {"-2.5e-", "-3"},  {"-25E-1", "-3"},  {"0.0012E4", "12"}, {"1E-400", "0"},
        {"-1E-400", "-1"}, {"-9.5", "-10"},   {"12345E-3", "12"}, {"25E2", "2500"}};
    for (const auto& [text, floor] : floors) {
        EXPECT_EQ(WholeNumber::FloorOf(text).value_or(WholeNumber(7)).text(), floor) << text;
    }
    EXPECT_EQ(WholeNumber::FloorOf("0E99999999999999999999")->text(), "0");
    EXPECT_EQ(WholeNumber::FloorOf("-1e-99999999999999999999")->text(), "-1");
    for (const char* text : {"", "-", "1a", "1E400"}) {
        EXPECT_FALSE(WholeNumber::FloorOf(text).has_value()) << '"' << text << '"';
    }
}

} // namespace
} // namespace forgeline
