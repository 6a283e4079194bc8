#include "random/WholeNumber.h"

#include "model/Numbers.h"

#include <algorithm>

namespace forgeline {
namespace {

// Far beyond any exponent a number that fits a double can carry, and safe from overflow.
constexpr long long ExponentCap = 1'000'000'000'000'000;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string withoutLeadingZeros(std::string digits) {
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) {
        return "0";
    }
    digits.erase(0, first);
    return digits;
}

std::strong_ordering compareMagnitudes(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return a.size() <=> b.size();
    }
    return a.compare(b) <=> 0;
}

char digitFromEnd(const std::string& digits, std::size_t place) {
    return place < digits.size() ? digits[digits.size() - 1 - place] : '0';
}

std::string addMagnitudes(const std::string& a, const std::string& b) {
    std::string sum;
    int carry = 0;
    for (std::size_t place = 0; place < std::max(a.size(), b.size()) || carry != 0; ++place) {
        const int digit = (digitFromEnd(a, place) - '0') + (digitFromEnd(b, place) - '0') + carry;
        sum.push_back(static_cast<char>('0' + digit % 10));
        carry = digit / 10;
    }
    std::reverse(sum.begin(), sum.end());
    return sum;
}

// a - b, with a not below b.
std::string subtractMagnitudes(const std::string& a, const std::string& b) {
    std::string difference = a;
    int borrow = 0;
    for (std::size_t place = 0; place < a.size(); ++place) {
        int digit = (digitFromEnd(a, place) - '0') - (digitFromEnd(b, place) - '0') - borrow;
        borrow = digit < 0 ? 1 : 0;
        difference[a.size() - 1 - place] = static_cast<char>('0' + digit + 10 * borrow);
    }
    return withoutLeadingZeros(std::move(difference));
}

} // namespace

WholeNumber::WholeNumber(long long value)
    : negative_(value < 0),
      magnitude_(std::to_string(value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                          : static_cast<unsigned long long>(value))) {}

WholeNumber::WholeNumber(bool negative, std::string magnitude)
    : negative_(negative && magnitude != "0"), magnitude_(std::move(magnitude)) {}

std::optional<WholeNumber> WholeNumber::FloorOf(std::string_view text) {
    if (!IsNumeric(text)) {
        return std::nullopt;
    }
    std::size_t i = 0;
    const bool negative = text[0] == '-';
    if (text[0] == '-' || text[0] == '+') {
        ++i;
    }
    // The value is digits x 10^scale.
    std::string digits;
    long long scale = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        digits += text[i];
    }
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && isDigit(text[i]); ++i) {
            digits += text[i];
            --scale;
        }
    }
    if (i < text.size()) {
        ++i;
        const bool negativeExponent = i < text.size() && text[i] == '-';
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
            ++i;
        }
        long long exponent = 0;
        for (; i < text.size(); ++i) {
            exponent = std::min(exponent * 10 + (text[i] - '0'), ExponentCap);
        }
        scale += negativeExponent ? -exponent : exponent;
    }

    digits = withoutLeadingZeros(std::move(digits));
    if (digits == "0") {
        return WholeNumber();
    }
    const std::size_t lastSignificant = digits.find_last_not_of('0');
    scale += static_cast<long long>(digits.size() - 1 - lastSignificant);
    digits.resize(lastSignificant + 1);
    if (scale >= 0) {
        // A numeric text fits a double, so this stays near 309 digits at most.
        return WholeNumber(negative, digits + std::string(static_cast<std::size_t>(scale), '0'));
    }
    // A non-zero fraction remains: it is cut off, and a negative number goes one further down.
    const long long wholeDigits = static_cast<long long>(digits.size()) + scale;
    std::string whole =
        wholeDigits > 0 ? digits.substr(0, static_cast<std::size_t>(wholeDigits)) : "0";
    if (negative) {
        whole = addMagnitudes(whole, "1");
    }
    return WholeNumber(negative, std::move(whole));
}

std::string WholeNumber::text() const {
    return negative_ ? "-" + magnitude_ : magnitude_;
}

WholeNumber operator+(const WholeNumber& a, const WholeNumber& b) {
    if (a.negative_ == b.negative_) {
        return WholeNumber(a.negative_, addMagnitudes(a.magnitude_, b.magnitude_));
    }
    if (compareMagnitudes(a.magnitude_, b.magnitude_) >= 0) {
        return WholeNumber(a.negative_, subtractMagnitudes(a.magnitude_, b.magnitude_));
    }
    return WholeNumber(b.negative_, subtractMagnitudes(b.magnitude_, a.magnitude_));
}

WholeNumber operator-(const WholeNumber& a, const WholeNumber& b) {
    return a + WholeNumber(!b.negative_, b.magnitude_);
}

std::strong_ordering operator<=>(const WholeNumber& a, const WholeNumber& b) {
    if (a.negative_ != b.negative_) {
        return a.negative_ ? std::strong_ordering::less : std::strong_ordering::greater;
    }
    return a.negative_ ? compareMagnitudes(b.magnitude_, a.magnitude_)
                       : compareMagnitudes(a.magnitude_, b.magnitude_);
}

} // namespace forgeline
