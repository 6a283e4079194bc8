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
        {20, 2}, {20.0001, 5}, {55000, 10000}, {1, 0.1}, {0.3, 0.05}, {1e300, 1e299},
        {0, 0},  {-5, 0},      {Infinity, 0},  {NaN, 0}, {1e-300, 0}};
    for (const auto& [span, step] : rows) {
        EXPECT_DOUBLE_EQ(TickStep(span), step) << span;
    }
    for (double span = 1e-6; span < 1e9; span *= 1.37) {
        const double step = TickStep(span);
        EXPECT_TRUE(span / step >= 4 && span / step <= 10 * (1 + 1e-12)) << span << " by " << step;
        const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
        EXPECT_NEAR(mantissa, mantissa < 1.5 ? 1 : mantissa < 3.5 ? 2 : 5, 1e-9) << span;
    }
}

TEST(MapTicks, PositionsAreTheMultiplesWithinTheRangeLabelledAsShortDecimals) {
    const std::tuple<double, double, double, std::vector<double>> rows[] = {
        {-25, 25, 10, {-20, -10, 0, 10, 20}},
        {0, 30, 10, {0, 10, 20, 30}},
        {1234, 1750, 200, {1400, 1600}},
        {0.5, 0.9, 1, {}},
        {0, 10, 0, {}},
        {0, 1e6, 1, {}},
        {-Infinity, 0, 1, {}},
        {NaN, 0, 1, {}},
        {1e300, 1e300, 100, {1e300}}};
    for (const auto& [from, to, step, ticks] : rows) {
        EXPECT_EQ(TickPositions(from, to, step), ticks) << from << ".." << to << " by " << step;
    }
    EXPECT_EQ(TickLabel(TickPositions(-0.5, 0.5, 1).at(0)), "0");

    const std::pair<double, const char*> labels[] = {
        {0, "0"},         {25000, "25000"}, {0.1 * 3, "0.3"},
        {-0.05, "-0.05"}, {1e20, "1e+20"},  {123456789012, "123456789012"}};
    for (const auto& [value, text] : labels) {
        EXPECT_EQ(TickLabel(value), text) << value;
    }
}

} // namespace
} // namespace forgeline
