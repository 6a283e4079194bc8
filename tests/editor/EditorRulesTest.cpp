#include "editor/EditorRules.h"

#include <gtest/gtest.h>

namespace forgeline {
namespace {

TEST(EditorRules, TypedCharactersReachTheBoxUnlessDiscardedOrTheBoxIsFull) {
    struct Row {
        EditorBox box;
        char32_t typed;
        std::size_t lengthBefore;
        bool accepted;
    };
    const Row rows[] = {
        {EditorBox::SCE, U' ', 0, false},
        {EditorBox::SCE, U'a', 31, true},
        {EditorBox::SCE, U'a', 32, false},
        {EditorBox::Summary, U' ', 0, true},
        {EditorBox::Summary, U'x', 127, true},
        {EditorBox::Summary, U'x', 128, false},
        {EditorBox::Description, U'\r', 0, false},
        {EditorBox::Description, U'x', 512, false},
        {EditorBox::Objective, U'\r', 0, false},
        {EditorBox::Objective, U'x', 256, false},
        {EditorBox::shipname, U' ', 0, false},
        {EditorBox::shipname, U'\u00e9', 5000, true},
        {EditorBox::X, U' ', 0, false},
        // Letters pass the key filter; the change rule turns them into "0".
        {EditorBox::X, U'a', 0, true},
        {EditorBox::heading, U' ', 1, false},
        {EditorBox::warp, U' ', 0, false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(AcceptsTyped(row.box, row.typed, row.lengthBefore), row.accepted)
            << "box " << static_cast<int>(row.box) << ", character " << int(row.typed)
            << ", length " << row.lengthBefore;
    }
}

TEST(EditorRules, NumberBoxChangeKeepsOnlyNumbersAndTheStartOfOne) {
    struct Row {
        const char* text;
        NumericChange change;
    };
    const Row rows[] = {
        {"", NumericChange::FocusHere},   {"-", NumericChange::FocusHere},
        {"5", NumericChange::Nothing},    {"-5", NumericChange::Nothing},
        {"007", NumericChange::Nothing},  {"1.5", NumericChange::Nothing},
        {"2E3", NumericChange::Nothing},  {"a", NumericChange::WriteZero},
        {"+", NumericChange::WriteZero},  {"--", NumericChange::WriteZero},
        {"-a", NumericChange::WriteZero}, {"5-", NumericChange::WriteZero},
        {" 5", NumericChange::WriteZero}, {"1,000", NumericChange::WriteZero},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(NumericChangeRule(row.text), row.change) << '"' << row.text << '"';
    }
}

TEST(EditorRules, LeavingANumberBoxFillsOnlyAnEmptyOne) {
    EXPECT_EQ(NumberBoxFill(""), "0");
    EXPECT_EQ(NumberBoxFill("-"), std::nullopt);
    EXPECT_EQ(NumberBoxFill("12"), std::nullopt);
}

TEST(EditorRules, PastedTextLosesWhatWouldSplitALine) {
    struct Row {
        const char* pasted;
        const char* withoutSpaces;
        const char* flat;
    };
    const Row rows[] = {
        {"", "", ""},
        {"Kor g ", "Korg", "Kor g "},
        {"a\tb", "a\tb", "a\tb"},
        {"one\r\ntwo", "one\r\ntwo", "one two"},
        {"one\n\ntwo", "one\n\ntwo", "one  two"},
        {"one\n\rtwo", "one\n\rtwo", "one  two"},
        {"a\xE2\x80\xA8"
         "b\xE2\x80\xA9"
         "c",
         "a\xE2\x80\xA8"
         "b\xE2\x80\xA9"
         "c",
         "a b c"},
        // The ellipsis shares its first two bytes with the separators.
        {"Caf\xC3\xA9\xE2\x80\xA6", "Caf\xC3\xA9\xE2\x80\xA6", "Caf\xC3\xA9\xE2\x80\xA6"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(WithoutSpaces(row.pasted), row.withoutSpaces) << '"' << row.pasted << '"';
        EXPECT_EQ(LineBreaksAsSpaces(row.pasted), row.flat) << '"' << row.pasted << '"';
    }
}

} // namespace
} // namespace forgeline
