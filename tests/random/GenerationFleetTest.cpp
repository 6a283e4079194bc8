#include "GenerationScriptedRandom.h"
#include "model/ForceLine.h"
#include "random/Generation.h"

#include <cmath>
#include <gtest/gtest.h>

namespace forgeline {
namespace {

using testing::ScriptedRandom;

const double Top = std::nextafter(1.0, 0.0);

RandomSettings federationHornet() {
    RandomSettings settings;
    settings.playerNationCode = 0;
    settings.playerClassPosition = 1;
    settings.playerNation = "Federation";
    settings.playerClass = "Destroyer";
    settings.playerName = "Hornet";
    return settings;
}

// The draws of one computer-run ship, every one at 0.5.
std::vector<double> plainShips(int count) {
    return std::vector<double>(static_cast<std::size_t>(count) * 6, 0.5);
}

std::vector<double> operator+(std::vector<double> first, const std::vector<double>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

int countNation(const std::vector<std::string>& lines, const std::string& nation) {
    int count = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        count += ForcePiece(lines[i], ForceField::Nation) == nation;
    }
    return count;
}

TEST(GenerationFleet, DrawsInTheFixedOrder) {
    ScriptedRandom random({
        90.5 / 361, 0.625,                                // player: heading, warp
        0.15,                                             // two friendly ships
        0.625,      0.125, 0.5,  0.875, 0.5,   24.5 / 40, // X, Y, heading, warp, class, name
        0,          Top,   0,    0,     Top,   23.5 / 40, //
        0.5,                                              // two enemy-nation picks
        0.1,        0.125, 0.3,                           // Federation twice, then Klingon
        0.875,                                            // Orion
        0.075,                                            // two enemy ships
        0.75,       0.25,  0.75, Top,   0.375, Top,
        0, // nation pick, X, Y, heading, warp, class, name
        0.25,       0.5,   0.5,  0.25,  0.5,   0.5,
        0.5, //
    });
    const std::vector<std::string> drawn = DrawForces(federationHornet(), random);
    EXPECT_EQ(random.unused(), 0u);
    EXPECT_EQ(drawn, (std::vector<std::string>{
                         "Federation Destroyer Hornet 0 0 90 2 <player> ()",
                         "Federation Dreadnought Hornet 6250 -18750 180 3 <internal> ()",
                         "Federation Tanker Enterprise -25000 24999 0 0 <internal> ()",
                         "Orion Grappler Dagger -12500 12500 360 1 <internal> ()",
                         "Klingon BC Mamba 0 0 90 2 <internal> ()",
                     }));
    // The friendly ship named like the player's goes.
    EXPECT_EQ(CleanUpNames(drawn),
              (std::vector<std::string>{drawn[0], drawn[2], drawn[3], drawn[4]}));
}

TEST(GenerationFleet, PlayerLineTakesItsStartFromTheFriendlyAreaOnlyWhenRandom) {
    const struct {
        bool randomStart;
        const char *minX, *maxX, *minY, *maxY;
        std::vector<double> script;
        const char* line;
    } rows[] = {
        {false,
         "-25000",
         "25000",
         "-25000",
         "25000",
         {90.5 / 361, 0.625},
         "Federation Destroyer Hornet 0 0 90 2 <player> ()"},
        {true,
         "-25000",
         "25000",
         "-25000",
         "25000",
         {Top, 0, 0.5, 0.5},
         "Federation Destroyer Hornet 25000 -25000 180 2 <player> ()"},
        {true,
         "-25000",
         "25000",
         "-25000",
         "25000",
         {0.9999999, Top, 0, Top},
         "Federation Destroyer Hornet 25000 25000 0 3 <player> ()"},
        {true,
         "-2.5",
         "2.5",
         "10",
         "20",
         {0, Top, 0, 0},
         "Federation Destroyer Hornet -3 20 0 0 <player> ()"},
        {true,
         "abc",
         "",
         "-",
         "x",
         {0.5, Top, 0, 0},
         "Federation Destroyer Hornet 0 0 0 0 <player> ()"},
    };
    for (const auto& row : rows) {
        RandomSettings settings = federationHornet();
        settings.randomStart = row.randomStart;
        settings.MinFRanX = row.minX;
        settings.MaxFRanX = row.maxX;
        settings.MinFRanY = row.minY;
        settings.MaxFRanY = row.maxY;
        ScriptedRandom random(row.script);
        EXPECT_EQ(AddPlayerShip(settings, random), row.line);
        EXPECT_EQ(random.unused(), 0u) << row.line;
    }
}

TEST(GenerationFleet, FriendlyCountRunsFromOneNotFromMin) {
    const struct {
        double r;
        int friendly;
    } rows[] = {{0, 1}, {0.4999, 1}, {0.5, 2}, {Top, 2}};
    for (const auto& row : rows) {
        RandomSettings settings = federationHornet();
        settings.MinFr = "9";
        settings.MaxFr = "10";
        ScriptedRandom random({0.5, 0.5, row.r}, 1);
        EXPECT_EQ(countNation(DrawForces(settings, random), "Federation"), row.friendly) << row.r;
    }
}

TEST(GenerationFleet, EnemiesFillTheFleetUpToThirtyLines) {
    const struct {
        const char* maxFr;
        double friendlyDraw;
        int friendly;
        double enemyDraw;
        int enemies;
    } rows[] = {
        {"10", 0.95, 10, 25.5 / 30, 19}, // m = 25 after eleven lines
        {"10", 0.95, 10, 18.5 / 30, 19}, // m + 1 = 19 fits exactly
        {"10", 0.95, 10, 17.5 / 30, 18}, {"10", 0, 1, Top, 28},
        {"100", 0.95, 29, Top, 0}, // friendly ships alone fill the fleet
    };
    for (const auto& row : rows) {
        RandomSettings settings = federationHornet();
        settings.MaxFr = row.maxFr;
        settings.MaxEn = "30";
        // One enemy-nation pick, Romulan, then m.
        ScriptedRandom random(std::vector<double>{0.5, 0.5, row.friendlyDraw} +
                                  plainShips(row.friendly) +
                                  std::vector<double>{0, 0.5, row.enemyDraw},
                              2);
        const std::vector<std::string> drawn = DrawForces(settings, random);
        EXPECT_EQ(countNation(drawn, "Federation"), row.friendly) << row.enemyDraw;
        EXPECT_EQ(countNation(drawn, "Romulan"), row.enemies) << row.enemyDraw;
        EXPECT_EQ(drawn.size(), static_cast<std::size_t>(1 + row.friendly + row.enemies));
    }
}

TEST(GenerationFleet, CleanUpDropsThePlayersNameAndKeepsTheLastOfEachOther) {
    // Lines reduced to what the clean-up reads: the name is piece 2.
    const auto line = [](const std::string& name) { return "N C " + name + " 0 0 0 0 <x> ()"; };
    const struct {
        std::vector<std::string> names;
        std::vector<std::size_t> kept;
    } rows[] = {
        {{}, {}},
        {{"Hornet"}, {0}},
        {{"Hornet", "Hornet", "Korg", "Hornet"}, {0, 2}},
        {{"enterprise", "Enterprise", "ENTERPRISE"}, {0, 1, 2}},
        {{"P", "A", "B", "A", "C", "B", "A"}, {0, 4, 5, 6}},
        {{"P", "A", "A", "P", "A"}, {0, 4}},
        {{"", "", "A"}, {0, 2}},
        {{"P", "Korg", "korg"}, {0, 1, 2}},
    };
    for (const auto& row : rows) {
        std::vector<std::string> lines;
        for (const std::string& name : row.names) {
            lines.push_back(line(name));
        }
        std::vector<std::string> expected;
        for (std::size_t i : row.kept) {
            expected.push_back(lines[i]);
        }
        EXPECT_EQ(CleanUpNames(lines), expected) << ::testing::PrintToString(row.names);
    }
}

RandomSettings withAllBoxes(RandomSettings settings, const char* text) {
    for (std::string* box :
         {&settings.MinFr, &settings.MaxFr, &settings.MinFRanX, &settings.MaxFRanX,
          &settings.MinFRanY, &settings.MaxFRanY, &settings.MinNat, &settings.MaxNat,
          &settings.MinEn, &settings.MaxEn, &settings.MinRanX, &settings.MaxRanX, &settings.MinRanY,
          &settings.MaxRanY}) {
        *box = text;
    }
    return settings;
}

TEST(GenerationFleet, SettingsOutsideTheWindowsRulesGiveASmallerFleet) {
    RandomSettings noNation = federationHornet();
    noNation.playerNationCode = -1;
    RandomSettings otherNation = federationHornet();
    otherNation.playerNationCode = 4;
    RandomSettings noPicks = federationHornet();
    noPicks.MinNat = "3";
    noPicks.MaxNat = "1";
    RandomSettings minAboveMax = federationHornet();
    minAboveMax.MinFr = "10";
    minAboveMax.MaxFr = "1";
    RandomSettings notNumbers = withAllBoxes(federationHornet(), "abc");
    notNumbers.playerNationCode = 1;
    notNumbers.playerNation = "Klingon";

    const std::string player = "Federation Destroyer Hornet 0 0 180 2 <player> ()";
    const struct {
        const char* what;
        RandomSettings settings;
        std::vector<double> script;
        std::vector<std::string> drawn;
    } rows[] = {
        {"no player nation", noNation, {0.5, 0.5}, {player}},
        {"nation beyond the catalogue", otherNation, {0.5, 0.5}, {player}},
        {"no enemy nation picked",
         noPicks,
         std::vector<double>{0.5, 0.5, 0} + plainShips(1) + std::vector<double>{0.5, 0.5},
         {player, "Federation Dreadnought Centauri 0 0 180 2 <internal> ()"}},
        {"friendly Min above Max",
         minAboveMax,
         std::vector<double>{0.5, 0.5, 0.5, 0, 0.5, 0, 0} + plainShips(1),
         {player, "Romulan BP Osprey 0 0 180 2 <internal> ()"}},
        {"no box a number",
         notNumbers,
         std::vector<double>(19, 0.5),
         {"Klingon Destroyer Hornet 0 0 180 2 <player> ()",
          "Klingon BC Mamba 0 0 180 2 <internal> ()", "Romulan BP Osprey 0 0 180 2 <internal> ()"}},
    };
    for (const auto& row : rows) {
        ScriptedRandom random(row.script);
        EXPECT_EQ(DrawForces(row.settings, random), row.drawn) << row.what;
        EXPECT_EQ(random.unused(), 0u) << row.what;
    }
}

TEST(GenerationFleet, HugeSettingsStayWithinThirtyLinesAndPlainNumbers) {
    for (const char* text : {"1e300", "-1e300"}) {
        RandomSettings settings = withAllBoxes(federationHornet(), text);
        settings.MinFr = settings.MinNat = settings.MinEn = "1";
        settings.MinFRanX = settings.MinFRanY = settings.MinRanX = settings.MinRanY = "-1e308";
        settings.MaxFRanX = settings.MaxFRanY = settings.MaxRanX = settings.MaxRanY = "1e308";
        settings.randomStart = true;
        for (std::uint64_t seed = 0; seed < 50; ++seed) {
            SeededRandom random(seed);
            const std::vector<std::string> drawn = DrawForces(settings, random);
            ASSERT_LE(drawn.size(), 30u) << text;
            for (const std::string& line : drawn) {
                for (ForceField field : {ForceField::X, ForceField::Y}) {
                    const std::string number = ForcePiece(line, field);
                    EXPECT_EQ(number.find_first_not_of("-0123456789"), std::string::npos) << line;
                    EXPECT_LE(number.size(), 310u) << line;
                }
            }
        }
    }
}

} // namespace
} // namespace forgeline
