#include "map/MapTicks.h"

#include <charconv>
#include <cmath>

namespace forgeline {
namespace {

constexpr double MostIntervals = 10;
constexpr double MostTicks = 1000;
// Below this the powers of ten underflow.
constexpr double SmallestSpan = 1e-290;

} // namespace

double TickStep(double span) {
    if (!std::isfinite(span) || !(span >= SmallestSpan)) {
        return 0;
    }
    const double least = span / MostIntervals;
    double power = std::pow(10.0, std::floor(std::log10(least)));
    // log10 may land one off near exact powers.
    while (power > least) {
        power /= 10;
    }
    while (power * 10 <= least) {
        power *= 10;
    }
    for (const double multiple : {1.0, 2.0, 5.0}) {
        if (multiple * power >= least) {
            return multiple * power;
        }
    }
    return 10 * power;
}

std::vector<double> TickPositions(double from, double to, double step) {
    if (!(step > 0)) {
        return {};
    }
    const double first = std::ceil(from / step);
    const double last = std::floor(to / step);
    // Also false for NaN and infinite ends.
    if (!(last - first < MostTicks)) {
        return {};
    }
    std::vector<double> ticks;
    const int count = last < first ? 0 : static_cast<int>(last - first) + 1;
    for (int i = 0; i < count; ++i) {
        // Adding zero turns -0 into 0.
        ticks.push_back((first + i) * step + 0.0);
    }
    return ticks;
}

std::string TickLabel(double value) {
    char text[32];
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, 12);
    return {text, result.ptr};
}

} // namespace forgeline
