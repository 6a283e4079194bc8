#include "GenerationScriptedRandom.h"
#include "random/Draws.h"

#include <cmath>
#include <gtest/gtest.h>

namespace forgeline {
namespace {

using testing::ScriptedRandom;

// The largest value a source may give.
const double Top = std::nextafter(1.0, 0.0);

TEST(GenerationDraws, SettingValueReadsNumbersAndCountsTheRestAsZero) {
    const std::pair<const char*, double> rows[] = {
        {"2.5", 2.5},  {"-25000", -25000}, {"+7", 7},   {"1E+2", 100}, {".5", 0.5},
        {"-.5", -0.5}, {"5.", 5},          {"abc", 0},  {"", 0},       {"-", 0},
        {" 5", 0},     {"1,000", 0},       {"0x10", 0}, {"1E400", 0},  {"1e-400", 0},
    };
    for (const auto& [text, value] : rows) {
        EXPECT_EQ(SettingValue(text), value) << text;
    }
}

TEST(GenerationDraws, WholeNumberTextFloorsAndWritesPlainDigits) {
    const std::pair<double, const char*> rows[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {-0.25, "-1"},
        {2.9, "2"},
        {-2.5, "-3"},
        {-24000, "-24000"},
        {0x1.0p70, "1180591620717411303424"},
    };
    for (const auto& [value, text] : rows) {
        EXPECT_EQ(WholeNumberText(value), text) << value;
    }
    const std::string huge = WholeNumberText(-1e308);
    EXPECT_EQ(huge.size(), 310u);
    EXPECT_EQ(huge.find_first_not_of("0123456789", 1), std::string::npos);
}

TEST(GenerationDraws, SpanDrawsFollowTheirFormulas) {
    using Draw = double (*)(double, double, RandomSource&);
    const struct {
        Draw draw;
        double min, max, r, expected;
    } rows[] = {
        {CountDraw, 1, 10, Top, 9},
        {CountDraw, 9, 10, 0.4999, 0},
        {CountDraw, 9, 10, 0.5, 1},
        {CountDraw, 2.5, 10, 0.99, 8},
        {CountDraw, 3, 1, 0, 0},
        {CountDraw, 3, 1, 0.5, -1},
        {CoordDraw, -25000, 25000, 0, -25000},
        {CoordDraw, -25000, 25000, Top, 24999},
        {CoordDraw, 5, 5, Top, 5},
        {CoordDraw, 10.5, 20.5, 0, 10},
        // Adding min rounds 10 * Top + 10 up to 20, which the draw must still stay below.
        {CoordDraw, 10, 20, Top, 19},
        {CoordDraw, 0, 2.5, Top, 2},
        {CoordDraw, -1e308, 1e308, 0.5, 0},
        {CoordDraw, -1e308, 1e308, 0, -1e308},
        {StartDraw, -25000, 25000, Top, 25000},
        {StartDraw, -25000, 25000, 0, -25000},
        {StartDraw, 10, 20, Top, 20},
        {StartDraw, -2.5, 2.5, 0, -3},
    };
    for (const auto& row : rows) {
        ScriptedRandom random({row.r});
        EXPECT_EQ(row.draw(row.min, row.max, random), row.expected)
            << row.min << ".." << row.max << " r=" << row.r;
    }
}

TEST(GenerationDraws, ItemCountMakesNoneForNegativeDrawsAndStopsAtTheLimit) {
    const struct {
        double draw;
        int limit, expected;
    } rows[] = {
        {-1, 30, 0}, {0, 30, 1}, {17, 19, 18},          {18, 19, 19},    {25, 19, 19},
        {5, 0, 0},   {5, -3, 0}, {std::nan(""), 30, 0}, {1e300, 30, 30},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ItemCount(row.draw, row.limit), row.expected) << row.draw << " " << row.limit;
    }
}

TEST(GenerationDraws, HeadingWarpAndNationCoverTheirWholeRange) {
    const struct {
        double r;
        int heading, quarter;
    } rows[] = {{0, 0, 0}, {0.2499, 90, 0}, {0.25, 90, 1}, {0.7499, 270, 2}, {Top, 360, 3}};
    for (const auto& row : rows) {
        ScriptedRandom random({row.r, row.r, row.r});
        EXPECT_EQ(HeadingDraw(random), row.heading) << row.r;
        EXPECT_EQ(WarpDraw(random), row.quarter) << row.r;
        EXPECT_EQ(NationDraw(random), row.quarter) << row.r;
    }
}

TEST(GenerationDraws, PickFromNeverGivesTheLastEntry) {
    const std::vector<std::string> list{"a", "b", "c"};
    const std::pair<double, const char*> rows[] = {{0, "a"}, {0.4999, "a"}, {0.5, "b"}, {Top, "b"}};
    for (const auto& [r, entry] : rows) {
        ScriptedRandom random({r});
        EXPECT_EQ(PickFrom(list, random), entry) << r;
    }
    ScriptedRandom one({Top});
    EXPECT_EQ(PickFrom({"only"}, one), "only");
    ScriptedRandom none({});
    EXPECT_EQ(PickFrom({}, none), "");
}

TEST(GenerationDraws, SeededRandomIsReproducibleAndUniformBelowOne) {
    SeededRandom first(42), again(42), other(43);
    for (int i = 0; i < 100; ++i) {
        const double value = first.next();
        EXPECT_EQ(value, again.next());
        EXPECT_NE(value, other.next());
    }
    // The mean of n uniform values deviates by sqrt(1 / 12n); 0.002 is about seven of those.
    constexpr int Count = 1'000'000;
    SeededRandom random(7);
    double sum = 0;
    for (int i = 0; i < Count; ++i) {
        const double value = random.next();
        ASSERT_GE(value, 0.0);
        ASSERT_LT(value, 1.0);
        sum += value;
    }
    EXPECT_NEAR(sum / Count, 0.5, 0.002);
}

} // namespace
} // namespace forgeline
