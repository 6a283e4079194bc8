#include "random/PlayerShipRules.h"

#include <deque>
#include <gtest/gtest.h>
#include <stdexcept>

namespace forgeline {
namespace {

// Gives the listed values in order; one draw too many fails the test.
class ListedDraws final : public RandomSource {
  public:
    explicit ListedDraws(std::deque<double> values) : values_(std::move(values)) {}

    double next() override {
        if (values_.empty()) {
            throw std::out_of_range("no draw was expected");
        }
        const double value = values_.front();
        values_.pop_front();
        return value;
    }

    bool allUsed() const { return values_.empty(); }

  private:
    std::deque<double> values_;
};

using Entries = std::vector<std::string>;

TEST(SettingsRulesPlayerShip, NationEntriesEndWithRandom) {
    EXPECT_EQ(NationEntries(), (Entries{"Federation", "Klingon", "Romulan", "Orion", "Random"}));
}

TEST(SettingsRulesPlayerShip, ChoosingANation) {
    struct Row {
        int position;
        std::deque<double> draws;
        std::optional<int> drawn;
        Entries classes;
    };
    const Row rows[] = {
        {0,
         {},
         std::nullopt,
         {"Interceptor", "Destroyer", "HC", "Dreadnought", "Tug", "Tanker", "Starbase", "Random"}},
        {2, {}, std::nullopt, {"WE", "BP", "Frigate", "Random"}},
        {3,
         {},
         std::nullopt,
         {"Assassin", "Raider", "Saboteur", "Anarchist", "Grappler", "Armadillo", "Random"}},
        {4,
         {0.0},
         0,
         {"Interceptor", "Destroyer", "HC", "Dreadnought", "Tug", "Tanker", "Starbase", "Random"}},
        {4,
         {0.2499},
         0,
         {"Interceptor", "Destroyer", "HC", "Dreadnought", "Tug", "Tanker", "Starbase", "Random"}},
        {4, {0.25}, 1, {"Escort", "Frigate", "BC", "Dreadnought", "Outpost", "Random"}},
        {4, {0.6}, 2, {"WE", "BP", "Frigate", "Random"}},
        {4,
         {0.9999},
         3,
         {"Assassin", "Raider", "Saboteur", "Anarchist", "Grappler", "Armadillo", "Random"}},
        {-1, {}, std::nullopt, {}},
        {5, {}, std::nullopt, {}},
    };
    for (const Row& row : rows) {
        ListedDraws draws(row.draws);
        const NationChoice choice = ChooseNation(row.position, draws);
        EXPECT_EQ(choice.drawnNation, row.drawn) << "position " << row.position;
        EXPECT_EQ(choice.classEntries, row.classes) << "position " << row.position;
        EXPECT_TRUE(draws.allUsed()) << "position " << row.position;
    }
}

TEST(SettingsRulesPlayerShip, ChoosingRandomAsTheClass) {
    struct Row {
        int position;
        int count;
        std::deque<double> draws;
        std::optional<int> drawn;
    };
    const Row rows[] = {
        {3, 4, {0.0}, 0},    // Romulan: "WE"
        {3, 4, {0.5}, 1},    // "BP"
        {3, 4, {0.9999}, 2}, // "Frigate", never "Random" itself
        {7, 8, {0.9999}, 6},       {2, 4, {}, std::nullopt}, {0, 4, {}, std::nullopt},
        {-1, 4, {}, std::nullopt}, {0, 1, {}, std::nullopt}, {-1, 0, {}, std::nullopt},
    };
    for (const Row& row : rows) {
        ListedDraws draws(row.draws);
        EXPECT_EQ(ChooseClass(row.position, row.count, draws), row.drawn)
            << row.position << " of " << row.count;
        EXPECT_TRUE(draws.allUsed()) << row.position << " of " << row.count;
    }
}

TEST(SettingsRulesPlayerShip, NamePlaceholder) {
    struct Row {
        const char* text;
        std::optional<std::string> click;
        std::optional<std::string> fill;
    };
    const Row rows[] = {
        {"ShipName", "", std::nullopt},
        {"", std::nullopt, "ShipName"},
        {"Hornet", std::nullopt, std::nullopt},
        {"shipname", std::nullopt, std::nullopt},
        {"ShipName2", std::nullopt, std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ClickIntoShipName(row.text), row.click) << row.text;
        EXPECT_EQ(ShipNameFill(row.text), row.fill) << row.text;
    }
}

} // namespace
} // namespace forgeline
