#include "model/Numbers.h"
#include "random/SettingsRules.h"
#include "random/WholeNumber.h"

#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <gtest/gtest.h>

namespace forgeline {
namespace {

using enum SettingsBox;

WholeNumber wholeOf(double value) {
    std::array<char, 400> digits{};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                       std::chars_format::fixed, 0);
    return *WholeNumber::FloorOf(std::string(digits.data(), written.ptr));
}

// The least whole number that no longer rounds to a double: halfway between the largest double
// and the next power of two, where rounding goes up.
const WholeNumber Beyond = wholeOf(DBL_MAX) + wholeOf(std::ldexp(1.0, 970));

std::string text(const WholeNumber& value) {
    return value.text();
}

WholeNumber width(const RandomSettings& settings, SettingsBox min) {
    return *WholeNumber::FloorOf(TextOf(settings, PartnerOf(min))) -
           *WholeNumber::FloorOf(TextOf(settings, min));
}

TEST(RangeRulesAtTheDoubleLimit, APairNearTheLargestDoubleStillSettles) {
    ASSERT_TRUE(IsNumeric(text(Beyond - WholeNumber(1))));
    ASSERT_FALSE(IsNumeric(text(Beyond)));
    const WholeNumber refused = Beyond - WholeNumber(1000);
    const WholeNumber kept = Beyond - WholeNumber(1001);
    const WholeNumber zero(0);
    struct Row {
        // Emptied while it has the focus; then the text is dropped into its partner, and "5"
        // typed into it.
        SettingsBox emptied;
        std::string dropped;
        std::string partnerAfterDrop;
        std::string afterTyping;
    };
    const Row rows[] = {
        {MaxRanX, text(refused), "-25000", "5"},
        {MaxRanX, text(kept), text(kept), text(Beyond - WholeNumber(1))},
        {MinRanY, text(zero - refused), "-25000", "-26000"},
        {MinRanY, text(zero - kept), text(zero - kept), text(WholeNumber(1) - Beyond)}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(BoxName(row.emptied)) + " beside " + row.dropped);
        RandomSettings settings;
        const SettingsBox partner = PartnerOf(row.emptied);
        SetBoxText(settings, row.emptied, "");
        SetBoxText(settings, partner, row.dropped);
        EXPECT_EQ(TextOf(settings, partner), row.partnerAfterDrop);
        SetBoxText(settings, row.emptied, "5");
        EXPECT_EQ(TextOf(settings, row.emptied), row.afterTyping);
        for (const SettingsBox min : {MinRanX, MinRanY}) {
            EXPECT_GE(width(settings, min), WholeNumber(1000)) << BoxName(min);
        }
    }
}

} // namespace
} // namespace forgeline
