#include "model/Numbers.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace forgeline
