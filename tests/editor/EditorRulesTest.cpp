#include "editor/EditorRules.h"

#include "model/Blanks.h"
#include "random/SettingsRules.h"

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

TEST(EditorRules, OnlyTheBlanksTypedOrPastedAreDropped) {
    struct Row {
        const char* before;
        const char* after;
        std::size_t cursor;
        EditedText kept;
    };
    const Row rows[] = {
        // Blanks read from a file stay when typing goes on after them.
        {"a  b", "a  bc", 5, {"a  bc", 5}},
        {"a  b", "a   b", 2, {"a  b", 2}},
        {"", " Kor  g\t\n", 9, {"Korg", 4}},
        {"", "Kor\u00A0\vg\f\r\u2028\u2029", 15, {"Korg", 4}},
        {"ab", "aDeep Spaceb", 11, {"aDeepSpaceb", 10}},
        {"a b c", "a X Y c", 5, {"a XY c", 4}},
        // The edit's ends stand on whole characters: U+00A1 became a no-break space.
        {"\u00A1", "\u00A0", 2, {"", 0}},
        {"Caf\u00E9", "Caf\u00E9\u00E9", 6, {"Caf\u00E9\u00E9", 6}},
        // Bytes of no whole character are no blanks, nor part of one before them.
        {"", " \x89\xA0", 3, {"\x89\xA0", 2}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(WithoutInsertedBlanks(row.before, row.after, row.cursor), row.kept)
            << '"' << row.before << "\" to \"" << row.after << '"';
    }
    for (const char32_t blank : {U' ', U'\t', U'\v', U'\u00A0', U'\u2028'}) {
        EXPECT_FALSE(AcceptsTyped(EditorBox::shipname, blank, 0));
        EXPECT_FALSE(KeepsTypedCharacter(blank));
    }
}

TEST(EditorRules, PastedTextLosesWhatWouldSplitALine) {
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
