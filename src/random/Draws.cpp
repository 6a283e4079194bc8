#include "random/Draws.h"

#include "model/Numbers.h"

#include <array>
#include <charconv>
#include <cmath>

namespace forgeline {
namespace {

// Int of the value, with -0 made 0 so that it is never written as "-0".
double whole(double value) {
    // Never -0, which would be written "-0".
    const double floor = std::floor(value);
    return floor == 0 ? 0.0 : floor;
}

// Int((max - min + extra) * r + min), kept below max + extra as exact arithmetic keeps it:
// adding min can round the sum up onto that end. A span too wide for a double is drawn as a
// weighted mean of the two ends instead, which cannot overflow.
double spanDraw(double min, double max, double extra, RandomSource& random) {
    const double r = random.next();
    const double end = max + extra;
    double value = (max - min + extra) * r + min;
    if (!std::isfinite(value)) {
        value = end * r + min * (1 - r);
    }
    if (min < end && value >= end) {
        value = std::nextafter(end, min);
    }
    return whole(value);
}

} // namespace

double SettingValue(std::string_view text) {
    if (!IsNumeric(text)) {
        return 0;
    }
    // from_chars takes "-" but no "+".
    if (text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    // A value too small for a double is the only failure left after the numeric test.
    return error == std::errc() ? value : 0;
}

std::string WholeNumberText(double value) {
    // The largest double has 309 digits before the point.
    std::array<char, 320> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), whole(value),
                                       std::chars_format::fixed, 0);
    return std::string(buffer.data(), written.ptr);
}

double CountDraw(double min, double max, RandomSource& random) {
    return whole((max - min + 1) * random.next());
}

int ItemCount(double countDraw, int limit) {
    // Written so that a draw that is not a number also makes nothing.
    if (!(countDraw >= 0) || limit <= 0) {
        return 0;
    }
    return countDraw >= limit ? limit : static_cast<int>(countDraw) + 1;
}

double CoordDraw(double min, double max, RandomSource& random) {
    return spanDraw(min, max, 0, random);
}

double StartDraw(double min, double max, RandomSource& random) {
    return spanDraw(min, max, 1, random);
}

int HeadingDraw(RandomSource& random) {
    return static_cast<int>(std::floor(random.next() * 361));
}

int WarpDraw(RandomSource& random) {
    return static_cast<int>(std::floor(random.next() * 4));
}

int NationDraw(RandomSource& random) {
    return static_cast<int>(std::floor(random.next() * 4));
}

const std::string& PickFrom(const std::vector<std::string>& list, RandomSource& random) {
    static const std::string nothing;
    if (list.empty()) {
        return nothing;
    }
    const double index = std::floor(random.next() * static_cast<double>(list.size() - 1));
    return list[static_cast<std::size_t>(index)];
}

} // namespace forgeline
