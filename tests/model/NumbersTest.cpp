#include "model/Numbers.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace forgeline {
namespace {

TEST(Numbers, NumericTest) {
    struct Row {
        const char* text;
        bool numeric;
    };
    const Row rows[] = {{"0", true},
                        {"-5", true},
                        {"+5", true},
                        {"1.5", true},
                        {"2E3", true},
                        {"2e-3", true},
                        {"1.", true},
                        {".5", true},
                        {"-.5E+2", true},
                        {"007", true},
                        {"1E308", true},
                        {"1E-400", true},
                        {"-99999999999999999999", true},
                        {"", false},
                        {"-", false},
                        {"+", false},
                        {".", false},
                        {"a", false},
                        {"1a", false},
                        {"1E", true},
                        {"2E-", true},
                        {"2e+", true},
                        {"E3", false},
                        {"1E-E", false},
                        {"-E", false},
                        {"1E400", false},
                        {"-1E400", false},
                        {" 5", false},
                        {"5 ", false},
                        {"1,000", false},
                        {"$5", false},
                        {"&H1F", false},
                        {"0x1F", false},
                        {"(5)", false},
                        {"--5", false},
                        {"1.2.3", false},
                        {"1e5.5", false},
                        {"inf", false},
                        {"nan", false}};
    for (const Row& row : rows) {
        EXPECT_EQ(IsNumeric(row.text), row.numeric) << '"' << row.text << '"';
    }
}

TEST(Numbers, LongNumbersWithoutExponentAreNumericUpToTheLargestDouble) {
    const std::pair<std::string, bool> rows[] = {
        {std::string(308, '9'), true},        {"-" + std::string(308, '9'), true},
        {std::string(309, '9'), false},       {"1" + std::string(308, '0'), true},
        {std::string(308, '9') + ".5", true}, {"0." + std::string(400, '0') + "1", true},
        {std::string(300, '9') + "E9", false}};
    for (const auto& [text, numeric] : rows) {
        EXPECT_EQ(IsNumeric(text), numeric) << text.size() << " characters";
    }
}

} // namespace
} // namespace forgeline
