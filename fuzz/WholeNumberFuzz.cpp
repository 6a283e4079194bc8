// Whole values of any text, and of doubles written out exactly: a value exists for exactly the
// numeric texts, reads back from its own text, and agrees with the double's floor, order, sum and
// difference wherever double arithmetic is exact.
#include "FuzzCheck.h"
#include "model/Numbers.h"
#include "random/WholeNumber.h"

#include <cmath>
#include <compare>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <string>

namespace {

using namespace forgeline::fuzz;
using forgeline::WholeNumber;

void checkText(const std::string& text) {
    const std::optional<WholeNumber> value = WholeNumber::FloorOf(text);
    check(value.has_value() == forgeline::IsNumeric(text));
    if (!value) {
        return;
    }
    const std::string written = value->text();
    check(isWholeText(written));
    check(WholeNumber::FloorOf(written) == value);
    const WholeNumber gap(1000);
    check(*value + gap - gap == *value);
    check(*value - gap < *value && *value < *value + gap);
    check(*value - *value == WholeNumber(0));
}

// Every digit of the double's value: a double's fraction ends within 1074 places.
std::string exactText(double value, int form) {
    char buffer[1500];
    switch (form) {
    case 0:
        std::snprintf(buffer, sizeof buffer, "%.1100f", value);
        break;
    case 1:
        std::snprintf(buffer, sizeof buffer, "%.800e", value);
        break;
    default:
        std::snprintf(buffer, sizeof buffer, "%+.800E", value);
        break;
    }
    return buffer;
}

// The decimal text of a whole double, without a sign on zero.
std::string wholeText(double whole) {
    if (whole == 0) {
        return "0";
    }
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.0f", whole);
    return buffer;
}

// Sum and difference whose rounding error is zero (the two-sum test).
bool sumIsExact(double a, double b) {
    const double sum = a + b;
    const double bPart = sum - a;
    return std::isfinite(sum) && (a - (sum - bPart)) + (b - bPart) == 0;
}

double consumeDouble(FuzzedDataProvider& input) {
    const std::uint64_t bits = input.ConsumeIntegral<std::uint64_t>();
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void checkDoubles(double a, double b, int form) {
    if (!std::isfinite(a) || !std::isfinite(b)) {
        return;
    }
    const std::optional<WholeNumber> x = WholeNumber::FloorOf(exactText(a, form));
    const std::optional<WholeNumber> y = WholeNumber::FloorOf(exactText(b, form));
    check(x && y);
    const double floorA = std::floor(a);
    const double floorB = std::floor(b);
    check(x->text() == wholeText(floorA));
    check(y->text() == wholeText(floorB));
    check((*x <=> *y) == (floorA <=> floorB));
    if (sumIsExact(floorA, floorB)) {
        check((*x + *y).text() == wholeText(floorA + floorB));
    }
    if (sumIsExact(floorA, -floorB)) {
        check((*x - *y).text() == wholeText(floorA - floorB));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkText(std::string(reinterpret_cast<const char*>(data), size));
    FuzzedDataProvider input(data, size);
    const int form = input.ConsumeIntegralInRange(0, 2);
    const double a = consumeDouble(input);
    const double b = consumeDouble(input);
    checkDoubles(a, b, form);
    return 0;
}
