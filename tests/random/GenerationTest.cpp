#include "random/Generation.h"

#include "ScriptedRandom.h"
#include "model/ForceLine.h"
#include "model/ShipCatalogue.h"
#include "random/Draws.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <set>

namespace forgeline {
namespace {

using testing::ScriptedRandom;
using Lines = std::vector<std::string>;

const double Top = std::nextafter(1.0, 0.0);

void expectDraws(double (*draw)(double, double, RandomSource&),
                 std::initializer_list<std::array<double, 4>> rows) {
    for (const auto& [min, max, r, expected] : rows) {
        ScriptedRandom random({r});
        EXPECT_EQ(draw(min, max, random), expected) << min << ".." << max << " r=" << r;
    }
}

TEST(GenerationDraws, SettingsAndSpans) {
    const std::pair<const char*, double> values[] = {{"2.5", 2.5},  {"+7", 7},  {"1E+2", 100},
                                                     {"-.5", -0.5}, {"abc", 0}, {"1e-400", 0}};
    for (const auto& [text, value] : values) {
        EXPECT_EQ(SettingValue(text), value) << text;
    }
    const std::pair<double, const char*> texts[] = {
        {-0.0, "0"}, {-0.25, "-1"}, {2.9, "2"}, {-2.5, "-3"}, {0x1.0p70, "1180591620717411303424"}};
    for (const auto& [value, text] : texts) {
        EXPECT_EQ(WholeNumberText(value), text) << value;
    }
    const std::string huge = WholeNumberText(-1e308);
    EXPECT_TRUE(huge.size() == 310 && huge.find_first_not_of("0123456789", 1) == std::string::npos);
    expectDraws(CountDraw, {{1, 10, Top, 9}, {2.5, 10, 0.99, 8}, {3, 1, 0.5, -1}});
    // The sum 10 * Top + 10 rounds up to 20, which the draw must still stay below.
    expectDraws(CoordDraw, {{-25000, 25000, Top, 24999}, {10.5, 20.5, 0, 10}, {10, 20, Top, 19}});
    expectDraws(CoordDraw, {{-1e308, 1e308, 0.5, 0}, {-1e308, 1e308, 0, -1e308}});
    expectDraws(StartDraw, {{-25000, 25000, Top, 25000}, {10, 20, Top, 20}, {-2.5, 2.5, 0, -3}});
}

TEST(GenerationDraws, CountsPicksAndNames) {
    const std::tuple<double, int, int> counts[] = {
        {-1, 30, 0}, {0, 30, 1}, {17, 19, 18},          {18, 19, 19},   {25, 19, 19},
        {5, 0, 0},   {5, -3, 0}, {std::nan(""), 30, 0}, {1e300, 30, 30}};
    for (const auto& [draw, limit, expected] : counts) {
        EXPECT_EQ(ItemCount(draw, limit), expected) << draw << " " << limit;
    }
    const std::tuple<double, int, int, const char*> rows[] = {
        {0, 0, 0, "a"}, {0.2499, 90, 0, "a"}, {0.5, 180, 2, "b"}, {Top, 360, 3, "b"}};
    for (const auto& [r, heading, quarter, picked] : rows) {
        ScriptedRandom random({r, r, r, r});
        EXPECT_EQ(HeadingDraw(random), heading) << r;
        EXPECT_EQ(WarpDraw(random), quarter) << r;
        EXPECT_EQ(NationDraw(random), quarter) << r;
        EXPECT_EQ(PickFrom({"a", "b", "c"}, random), picked) << r;
    }
    ScriptedRandom one({Top});
    EXPECT_TRUE(PickFrom({"only"}, one) == "only" && PickFrom({}, one).empty() && one.exact());

    // Which name a draw picks is covered by the fleets drawn below; here, no name can clash.
    std::set<std::string> seen;
    for (int code = 0; code < 4; ++code) {
        for (const std::string& name : NamePool(code)) {
            EXPECT_TRUE(seen.insert(name).second && name.find(' ') == std::string::npos) << name;
        }
    }
    EXPECT_TRUE(NamePool(-1).empty() && NamePool(4).empty());
}

RandomSettings hornet(const std::function<void(RandomSettings&)>& change = [](RandomSettings&) {}) {
    RandomSettings settings;
    settings.playerNationCode = 0, settings.playerClassPosition = 1;
    settings.playerNation = "Federation", settings.playerClass = "Destroyer";
    settings.playerName = "Hornet";
    change(settings);
    return settings;
}

long countNation(const Lines& lines, const std::string& nation) {
    return std::count_if(lines.begin() + 1, lines.end(), [&](const std::string& line) {
        return ForcePiece(line, ForceField::Nation) == nation;
    });
}

TEST(GenerationFleet, DrawsInTheFixedOrder) {
    // The player's heading and warp; two friendly ships: X, Y, heading, warp, class, name; three
    // enemy-nation picks: Federation (drawn again), Klingon twice, Orion; two enemy ships in
    // their own area, each first picking among the three, where Klingon counts twice.
    ScriptedRandom random(
        {90.5 / 361, 0.625, 0.15,      0.625, 0.125, 0.5, 0.875, 0.5,   24.5 / 40, 0,    Top,  0,
         0,          Top,   23.5 / 40, 0.7,   0.1,   0.3, 0.3,   0.875, 0.075,     0.75, 0.25, 0.75,
         Top,        0.375, Top,       0,     0.5,   0.5, 0.5,   0.25,  0.5,       0.5,  0.5});
    RandomSettings settings = hornet();
    std::tie(settings.MinRanX, settings.MaxRanX, settings.MinRanY, settings.MaxRanY) =
        std::tuple("0", "100", "0", "100");
    const Lines drawn = DrawForces(settings, random);
    EXPECT_TRUE(random.exact());
    EXPECT_EQ(drawn, (Lines{"Federation Destroyer Hornet 0 0 90 2 <player> ()",
                            "Federation Dreadnought Hornet 6250 -18750 180 3 <internal> ()",
                            "Federation Tanker Enterprise -25000 24999 0 0 <internal> ()",
                            "Orion Grappler Dagger 25 75 360 1 <internal> ()",
                            "Klingon BC Mamba 50 50 90 2 <internal> ()"}));
    EXPECT_EQ(CleanUpNames(drawn), (Lines{drawn[0], drawn[2], drawn[3], drawn[4]}));
    // An unknown nation gives the player's line alone; a random start includes both ends.
    RandomSettings alone =
        hornet([](RandomSettings& s) { s.playerNationCode = 4, s.randomStart = true; });
    std::tie(alone.MinFRanX, alone.MaxFRanX, alone.MinFRanY, alone.MaxFRanY) =
        std::tuple("-2.5", "2.5", "10", "20");
    ScriptedRandom start({0, Top, 0, 0});
    EXPECT_EQ(DrawForces(alone, start), Lines{"Federation Destroyer Hornet -3 20 0 0 <player> ()"});
}

// Friendly ships count from one, not from Min; enemies fill the fleet up to thirty lines.
TEST(GenerationFleet, ShipCounts) {
    const std::tuple<const char*, const char*, double, int, double, int> rows[] = {
        {"1", "10", 0.95, 10, 18.5 / 30, 19}, {"1", "10", 0.95, 10, 17.5 / 30, 18},
        {"9", "10", 0.4999, 1, Top, 28},      {"9", "10", 0.5, 2, Top, 27},
        {"1", "100", 0.95, 29, Top, 0},       {"2", "10", 0, 1, 0, 1}};
    for (const auto& [minFr, maxFr, friendlyDraw, friendly, enemyDraw, enemies] : rows) {
        const RandomSettings settings =
            hornet([&](RandomSettings& s) { s.MinFr = minFr, s.MaxFr = maxFr, s.MaxEn = "30"; });
        // One enemy-nation pick, Romulan, then the enemy count.
        std::vector<double> script(static_cast<std::size_t>(friendly) * 6 + 6, 0.5);
        script[2] = friendlyDraw, script[script.size() - 3] = 0, script.back() = enemyDraw;
        ScriptedRandom random(script, 2);
        const Lines drawn = DrawForces(settings, random);
        EXPECT_TRUE(countNation(drawn, "Federation") == friendly &&
                    countNation(drawn, "Romulan") == enemies &&
                    drawn.size() == 1u + friendly + enemies)
            << friendlyDraw << " " << enemyDraw;
    }
}

TEST(GenerationFleet, CleanUpDropsThePlayersNameAndKeepsTheLastOfEachOther) {
    const std::pair<Lines, Lines> rows[] = {
        {{}, {}},
        {{"P 0 Hornet", "C 1 Hornet", "C 2 Korg", "C 3 Hornet"}, {"P 0 Hornet", "C 2 Korg"}},
        {{"P 0 enterprise", "C 1 Enterprise"}, {"P 0 enterprise", "C 1 Enterprise"}},
        {{"P 0 P", "C 1 A", "C 2 B", "C 3 A", "C 4 C", "C 5 B", "C 6 A"},
         {"P 0 P", "C 4 C", "C 5 B", "C 6 A"}},
        {{"P 0 P", "C 1 A", "C 2 P", "C 3 A"}, {"P 0 P", "C 3 A"}},
        {{"P", "C", "C 2 A"}, {"P", "C 2 A"}}};
    for (const auto& [lines, kept] : rows) {
        EXPECT_EQ(CleanUpNames(lines), kept) << ::testing::PrintToString(lines);
    }
}

} // namespace
} // namespace forgeline
