#include "model/Numbers.h"

#include <charconv>
#include <cmath>

namespace forgeline {
namespace {

// The largest double, about 1.8e308, has 309 digits before its point.
constexpr std::size_t MostDigitsWithoutExponent = 308;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The power of ten of the first significant digit of a well-formed unsigned number.
long long decimalMagnitude(std::string_view number) {
    const std::size_t exponentAt = number.find_first_of("Ee");
    long long exponent = 0;
    if (exponentAt != std::string_view::npos) {
        std::size_t i = exponentAt + 1;
        const bool negative = i < number.size() && number[i] == '-';
        if (i < number.size() && (number[i] == '-' || number[i] == '+')) {
            ++i;
        }
        for (; i < number.size() && exponent < 1'000'000'000; ++i) {
            exponent = exponent * 10 + (number[i] - '0');
        }
        exponent = negative ? -exponent : exponent;
        number = number.substr(0, exponentAt);
    }
    const std::size_t point = number.find('.');
    const std::string_view whole = number.substr(0, point);
    const std::size_t firstSignificant = whole.find_first_not_of('0');
    if (firstSignificant != std::string_view::npos) {
        return static_cast<long long>(whole.size() - firstSignificant) - 1 + exponent;
    }
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : number.substr(point + 1);
    return -static_cast<long long>(fraction.find_first_not_of('0')) - 1 + exponent;
}

} // namespace

bool IsNumeric(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    const std::size_t mantissaStart = i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    std::size_t numberEnd = text.size();
    const bool exponent = i < text.size() && (text[i] == 'E' || text[i] == 'e');
    if (exponent) {
        const std::size_t exponentAt = i++;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        std::size_t exponentDigits = 0;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++exponentDigits;
        }
        // "2E" and "2E-" count as 2, so that 2E3 can be typed one key at a time.
        if (exponentDigits == 0) {
            numberEnd = exponentAt;
        }
    }
    if (i != text.size()) {
        return false;
    }
    // Without an exponent, fewer than 309 digits stay below the largest double: a map of thirty
    // thousand ships asks this of every position and heading.
    if (!exponent && digits <= MostDigitsWithoutExponent) {
        return true;
    }
    // from_chars takes no leading "+"; the syntax is already checked, so only the magnitude
    // is asked of it.
    std::string_view number = text.substr(mantissaStart, numberEnd - mantissaStart);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                              std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // Tiny values underflow to zero, which is still a number; huge ones are not.
        return decimalMagnitude(number) < 0;
    }
    return error == std::errc() && end == number.data() + number.size() && std::isfinite(value);
}

} // namespace forgeline
