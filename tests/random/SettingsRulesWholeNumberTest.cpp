#include "random/WholeNumber.h"

#include <gtest/gtest.h>

namespace forgeline {
namespace {

WholeNumber floorOf(const char* text) {
    return WholeNumber::FloorOf(text).value();
}

TEST(SettingsRulesWholeNumber, FloorOfNumericText) {
    struct Row {
        const char* text;
        std::string floor;
    };
    const Row rows[] = {
        {"0", "0"},
        {"2.7", "2"},
        {"2.9", "2"},
        {"-2.5", "-3"},
        {"-2", "-2"},
        {"-0.5", "-1"},
        {"-0", "0"},
        {"-0.000", "0"},
        {"+7", "7"},
        {"007", "7"},
        {".5", "0"},
        {"-.5", "-1"},
        {"1.", "1"},
        {"123.000", "123"},
        {"-123.000", "-123"},
        {"2.5E1", "25"},
        {"1.5e+2", "150"},
        {"2.5E", "2"},
        {"-2.5e-", "-3"},
        {"25E-1", "2"},
        {"-25E-1", "-3"},
        {"-2.5E1", "-25"},
        {"0.0012E4", "12"},
        {"1E30", "1" + std::string(30, '0')},
        {"-1E30", "-1" + std::string(30, '0')},
        {"1E308", "1" + std::string(308, '0')},
        {"-99999999999999999999", "-99999999999999999999"},
        {"-99999999999999999999.5", "-100000000000000000000"},
        {"12345678901234567890123E-3", "12345678901234567890"},
        {"1E-400", "0"},
        {"-1E-400", "-1"},
        {"0E99999999999999999999", "0"},
        {"-1e-99999999999999999999", "-1"},
    };
    for (const Row& row : rows) {
        const std::optional<WholeNumber> value = WholeNumber::FloorOf(row.text);
        ASSERT_TRUE(value.has_value()) << row.text;
        EXPECT_EQ(value->text(), row.floor) << row.text;
    }
}

TEST(SettingsRulesWholeNumber, NoValueForTextThatIsNotANumber) {
    for (const char* text : {"", "-", "+", ".", "a", "1a", "E5", "1E400", "-1E400", " 5", "5 ",
                             "1,000", "--5", "0x10"}) {
        EXPECT_FALSE(WholeNumber::FloorOf(text).has_value()) << '"' << text << '"';
    }
}

TEST(SettingsRulesWholeNumber, AddAndSubtract) {
    struct Row {
        const char* a;
        long long b;
        std::string sum;
        std::string difference;
    };
    const Row rows[] = {
        {"-25000", 1000, "-24000", "-26000"},
        {"999", 1, "1000", "998"},
        {"1000", 1000, "2000", "0"},
        {"-1000", 1000, "0", "-2000"},
        {"0", 1, "1", "-1"},
        {"1", -1, "0", "2"},
        {"-1", -1, "-2", "0"},
        {"500", 1000, "1500", "-500"},
        {"-500", 1000, "500", "-1500"},
        {"1E30", 1000, "1" + std::string(26, '0') + "1000", std::string(27, '9') + "000"},
        {"-99999999999999999999", 1000, "-99999999999999998999", "-100000000000000000999"},
    };
    for (const Row& row : rows) {
        const WholeNumber a = floorOf(row.a);
        EXPECT_EQ((a + WholeNumber(row.b)).text(), row.sum) << row.a << " + " << row.b;
        EXPECT_EQ((a - WholeNumber(row.b)).text(), row.difference) << row.a << " - " << row.b;
    }
}

TEST(SettingsRulesWholeNumber, CompareByValue) {
    struct Row {
        const char* a;
        const char* b;
        int order;
    };
    const Row rows[] = {
        {"1E30", "25000", 1},
        {"1E20", "99999999999999999999", 1},
        {"-99999999999999999999", "-25000", -1},
        {"-1E30", "-99999999999999999999", -1},
        {"1E308", "1E307", 1},
        {"-3", "-2", -1},
        {"-0", "0", 0},
        {"2.9", "2", 0},
        {"-2.1", "-3", 0},
        {"100", "99", 1},
        {"-100", "-99", -1},
        {"-1", "0", -1},
        {"0.5", "-0.5", 1},
    };
    for (const Row& row : rows) {
        const auto order = floorOf(row.a) <=> floorOf(row.b);
        const int got = order < 0 ? -1 : (order > 0 ? 1 : 0);
        EXPECT_EQ(got, row.order) << row.a << " vs " << row.b;
        EXPECT_EQ(floorOf(row.a) == floorOf(row.b), row.order == 0) << row.a << " vs " << row.b;
    }
}

} // namespace
} // namespace forgeline
