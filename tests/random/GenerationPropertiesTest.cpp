#include "GenerationScriptedRandom.h"
#include "model/ForceLine.h"
#include "model/ShipCatalogue.h"
#include "random/Generation.h"

#include <algorithm>
#include <charconv>
#include <gtest/gtest.h>
#include <set>

namespace forgeline {
namespace {

int nationCode(const std::string& name) {
    for (const Nation& nation : Nations()) {
        if (nation.name == name) {
            return nation.code;
        }
    }
    return -1;
}

// Entry of the list other than its last one.
bool isDrawable(const std::vector<std::string>& list, const std::string& entry) {
    return !list.empty() && std::find(list.begin(), list.end() - 1, entry) != list.end() - 1;
}

// A whole number within min and max, written as plain decimal text.
bool isWholeWithin(const std::string& text, long min, long max) {
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= min &&
           value <= max && std::to_string(value) == text;
}

RandomSettings playerOf(int code, bool randomStart) {
    RandomSettings settings;
    settings.playerNationCode = code;
    settings.playerClassPosition = 0;
    settings.playerNation = Nations()[static_cast<std::size_t>(code)].name;
    settings.playerClass = ClassesForNation(code).front();
    settings.playerName = "ShipName";
    settings.randomStart = randomStart;
    return settings;
}

void checkShip(const std::vector<std::string>& pieces, int code) {
    ASSERT_EQ(pieces.size(), 9u);
    EXPECT_TRUE(isDrawable(ClassesForNation(code), pieces[1])) << pieces[1];
    EXPECT_TRUE(isDrawable(NamePool(code), pieces[2])) << pieces[2];
    EXPECT_TRUE(isWholeWithin(pieces[3], -25000, 24999)) << pieces[3];
    EXPECT_TRUE(isWholeWithin(pieces[4], -25000, 24999)) << pieces[4];
    EXPECT_TRUE(isWholeWithin(pieces[5], 0, 360)) << pieces[5];
    EXPECT_TRUE(isWholeWithin(pieces[6], 0, 3)) << pieces[6];
    EXPECT_EQ(pieces[7], InternalMarker);
    EXPECT_EQ(pieces[8], "()");
}

TEST(GenerationProperties, EveryFleetKeepsTheRulesOfItsDraws) {
    std::set<int> friendlyCounts, enemyCounts;
    for (std::uint64_t seed = 0; seed < 3000; ++seed) {
        const int player = static_cast<int>(seed % 4);
        const RandomSettings settings = playerOf(player, seed % 3 == 0);
        SeededRandom random(seed);
        const std::vector<std::string> drawn = DrawForces(settings, random);
        SCOPED_TRACE("seed " + std::to_string(seed));

        ASSERT_LE(drawn.size(), 30u);
        const std::vector<std::string> playerPieces = SplitForceLine(drawn[0]);
        ASSERT_EQ(playerPieces.size(), 9u);
        EXPECT_EQ(playerPieces[7], PlayerMarker);
        const long playerMax = settings.randomStart ? 25000 : 0;
        EXPECT_TRUE(isWholeWithin(playerPieces[3], -playerMax, playerMax));
        EXPECT_TRUE(isWholeWithin(playerPieces[4], -playerMax, playerMax));

        // Friendly ships come first, all of the player's nation; then the enemies, never of it.
        std::size_t i = 1;
        while (i < drawn.size() && nationCode(ForcePiece(drawn[i], ForceField::Nation)) == player) {
            checkShip(SplitForceLine(drawn[i]), player);
            ++i;
        }
        const int friendly = static_cast<int>(i) - 1;
        std::set<int> enemyNations;
        for (; i < drawn.size(); ++i) {
            const int code = nationCode(ForcePiece(drawn[i], ForceField::Nation));
            ASSERT_GE(code, 0) << drawn[i];
            EXPECT_NE(code, player);
            enemyNations.insert(code);
            checkShip(SplitForceLine(drawn[i]), code);
        }
        const int enemies = static_cast<int>(drawn.size()) - 1 - friendly;
        EXPECT_GE(friendly, 1);
        EXPECT_LE(friendly, 10);
        EXPECT_GE(enemies, 1);
        EXPECT_LE(enemies, 20);
        EXPECT_LE(enemyNations.size(), 3u);
        friendlyCounts.insert(friendly);
        enemyCounts.insert(enemies);

        // The same seed gives the same fleet, cleaned: a part of the drawn one, names unique.
        SeededRandom again(seed);
        const std::vector<std::string> fleet = GenerateForces(settings, again);
        EXPECT_EQ(fleet, CleanUpNames(drawn));
        ASSERT_FALSE(fleet.empty());
        EXPECT_EQ(fleet[0], drawn[0]);
        std::set<std::string> names;
        auto from = drawn.begin();
        for (const std::string& line : fleet) {
            EXPECT_TRUE(names.insert(ForcePiece(line, ForceField::Name)).second) << line;
            from = std::find(from, drawn.end(), line);
            EXPECT_NE(from, drawn.end()) << line;
        }
    }
    EXPECT_EQ(friendlyCounts.size(), 10u);
    EXPECT_EQ(enemyCounts.size(), 20u);
}

TEST(GenerationProperties, NationsPickedTwiceAreDrawnTwiceAsOften) {
    // With each fleet of 20 enemies, 2000 fleets give 40000 ships: the share of Klingon ships
    // then has a deviation of sqrt(2/9 / 40000) = 0.0024, and 0.015 is more than six of those.
    const std::vector<double> script{
        0.5,  0.5,                          // player
        0,    0.5, 0.5, 0.5, 0.5, 0.5, 0.5, // one friendly ship
        0.7,                                // three enemy-nation picks
        0.3,  0.3, 0.8,                     // Klingon, Klingon, Orion
        0.99,                               // twenty enemy ships
    };
    int klingon = 0, total = 0;
    for (std::uint64_t seed = 0; seed < 2000; ++seed) {
        testing::ScriptedRandom random(script, seed);
        const std::vector<std::string> drawn = DrawForces(playerOf(0, false), random);
        ASSERT_EQ(drawn.size(), 22u);
        for (std::size_t i = 2; i < drawn.size(); ++i) {
            const std::string nation = ForcePiece(drawn[i], ForceField::Nation);
            ASSERT_TRUE(nation == "Klingon" || nation == "Orion") << drawn[i];
            klingon += nation == "Klingon";
            ++total;
        }
    }
    EXPECT_NEAR(static_cast<double>(klingon) / total, 2.0 / 3.0, 0.015);
}

} // namespace
} // namespace forgeline
