#include "editor/EditorRules.h"

#include <gtest/gtest.h>

namespace forgeline {
namespace {

TEST(EditorRules, NumberBoxesKeepOnlyNumbersAndFillWhenLeftEmpty) {
    using enum NumericChange;
    struct Row {
        const char* text;
        NumericChange change;
        std::optional<std::string> fill;
    };
    const Row rows[] = {{"", FocusHere, "0"},  {"-", FocusHere, {}}, {"--", WriteZero, {}},
                        {"-a", WriteZero, {}}, {"-5", Nothing, {}},  {" 5", WriteZero, {}}};
    for (const Row& row : rows) {
        EXPECT_EQ(NumericChangeRule(row.text), row.change) << '"' << row.text << '"';
        EXPECT_EQ(NumberBoxFill(row.text), row.fill) << '"' << row.text << '"';
    }
}

TEST(EditorRules, PastedTextLosesWhatWouldSplitALine) {
    EXPECT_EQ(WithoutSpaces(" Kor  g\t\n"), "Korg\t\n");
    const std::pair<const char*, const char*> rows[] = {
        {"a\tb", "a\tb"},
        {"one\n\rtwo", "one  two"},
        {"a\u2028b\u2029c", "a b c"},
        // The ellipsis shares its first two bytes with the separators.
        {"Caf\u00e9\u2026", "Caf\u00e9\u2026"}};
    for (const auto& [pasted, flat] : rows) {
        EXPECT_EQ(LineBreaksAsSpaces(pasted), flat) << '"' << pasted << '"';
    }
}

} // namespace
} // namespace forgeline
