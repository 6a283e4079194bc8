#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace forgeline {

// An exact whole number of any size. The generator's boxes take any number the user types
// (1E300, twenty nines), and their rules must still compare such values and move them by a
// thousand without rounding.
class WholeNumber {
  public:
    WholeNumber() = default;
    explicit WholeNumber(long long value);

    // The greatest whole number not above the value of a numeric text (2.7 gives 2, -2.5
    // gives -3); nothing when the text is not numeric.
    static std::optional<WholeNumber> FloorOf(std::string_view text);

    // Decimal digits with a leading "-" for negatives; no "+", point, exponent or padding.
    std::string text() const;

    friend WholeNumber operator+(const WholeNumber& a, const WholeNumber& b);
    friend WholeNumber operator-(const WholeNumber& a, const WholeNumber& b);
    friend std::strong_ordering operator<=>(const WholeNumber& a, const WholeNumber& b);
    friend bool operator==(const WholeNumber& a, const WholeNumber& b) = default;

  private:
    WholeNumber(bool negative, std::string magnitude);

    bool negative_ = false;
    // Most significant digit first, no leading zeros; "0" for zero, which is never negative.
    std::string magnitude_ = "0";
};

} // namespace forgeline
