#include "map/MapTicks.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace forgeline {
namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

TEST(MapTicks, StepIsOneTwoOrFiveTimesAPowerOfTen) {
    const std::pair<double, double> rows[] = {
        {100, 10}, {1000, 100},   {50000, 5000}, {55000, 10000}, {12, 2},        {25, 5},
        {20, 2},   {20.0001, 5},  {0.3, 0.05},   {1, 0.1},       {1e300, 1e299}, {0, 0},
        {-5, 0},   {Infinity, 0}, {NaN, 0},      {1e-300, 0},
    };
    for (const auto& [span, step] : rows) {
        EXPECT_DOUBLE_EQ(TickStep(span), step) << span;
    }
}

TEST(MapTicks, StepGivesFourToTenIntervalsAcrossAnySpan) {
    for (double span = 1e-6; span < 1e9; span *= 1.37) {
        const double step = TickStep(span);
        const double intervals = span / step;
        EXPECT_GE(intervals, 4) << span;
        EXPECT_LE(intervals, 10 * (1 + 1e-12)) << span;
        const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
        EXPECT_TRUE(std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 ||
                    std::abs(mantissa - 5) < 1e-9)
            << span << " gives " << step;
    }
}

TEST(MapTicks, PositionsAreTheMultiplesWithinTheRange) {
    struct Row {
        const char* what;
        double from;
        double to;
        double step;
        std::vector<double> ticks;
    };
    const Row rows[] = {
        {"around zero", -25, 25, 10, {-20, -10, 0, 10, 20}},
        {"ends included", 0, 30, 10, {0, 10, 20, 30}},
        {"off zero", 1234, 1750, 200, {1400, 1600}},
        {"between ticks", 0.5, 0.9, 1, {}},
        {"reversed", 10, -10, 1, {}},
        {"no step", 0, 10, 0, {}},
        {"negative step", 0, 10, -1, {}},
        {"too many", 0, 1e6, 1, {}},
        {"infinite end", -Infinity, 0, 1, {}},
        {"not a number", NaN, 0, 1, {}},
        {"beyond the precision", 1e300, 1e300, 100, {1e300}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(TickPositions(row.from, row.to, row.step), row.ticks) << row.what;
    }
}

TEST(MapTicks, ZeroTickIsNeverNegativeZero) {
    const std::vector<double> ticks = TickPositions(-0.5, 0.5, 1);
    ASSERT_EQ(ticks.size(), 1u);
    EXPECT_FALSE(std::signbit(ticks[0]));
    EXPECT_EQ(TickLabel(ticks[0]), "0");
}

TEST(MapTicks, LabelsAreShortDecimals) {
    const std::pair<double, const char*> rows[] = {
        {0, "0"},     {-5000, "-5000"}, {25000, "25000"}, {0.1 * 3, "0.3"},
        {2.5, "2.5"}, {-0.05, "-0.05"}, {1e20, "1e+20"},  {123456789012, "123456789012"},
    };
    for (const auto& [value, text] : rows) {
        EXPECT_EQ(TickLabel(value), text) << value;
    }
}

} // namespace
} // namespace forgeline
