#include "platform/CommandLine.h"
#include "platform/Cp1252.h"
#include "platform/Wildcard.h"

#include <gtest/gtest.h>

namespace forgeline::platform {
namespace {

TEST(CommandLine, SplitsAsAWindowsProgramDoes) {
    struct Row {
        const char* parameters;
        std::vector<std::string> arguments;
    };
    const Row rows[] = {
        {" nobanner scenario Patrol.sco", {"nobanner", "scenario", "Patrol.sco"}},
        {" nobanner scenario ", {"nobanner", "scenario"}},
        {" random.sce", {"random.sce"}},
        {"", {}},
        {"   \t ", {}},
        {"a\t\tb", {"a", "b"}},
        {"\"Deep Space.sce\"", {"Deep Space.sce"}},
        {"a\"b c\"d", {"ab cd"}},
        {"\"\"", {""}},
        {"a\\\\b", {"a\\\\b"}},
        {"a\\\"b", {"a\"b"}},
        {"a\\\\\"b c\"", {"a\\b c"}},
        {"\"a\"\"b\"", {"a\"b"}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(SplitCommandLine(row.parameters), row.arguments) << row.parameters;
    }
}

TEST(Cp1252, EveryByteRoundTrips) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const std::string text = Cp1252ToUtf8(all);
    EXPECT_EQ(Utf8ToCp1252(text), all);
    EXPECT_EQ(Cp1252ToUtf8("\x80\x9f\xe9"), "\u20ac\u0178\u00e9");
    EXPECT_EQ(Cp1252ToUtf8("\x81\x8d\x8f\x90\x9d"), "\u0081\u008d\u008f\u0090\u009d");
}

TEST(Cp1252, CharactersOutsideTheCodePageAreRefused) {
    for (const char* text : {"\u0100", "\u4e2d", "\U0001F600", "\xff", "\xc3", "\xe2\x82"}) {
        EXPECT_FALSE(Utf8ToCp1252(text)) << text;
    }
    EXPECT_EQ(Utf8ToCp1252("plain"), "plain");
}

TEST(Wildcard, MatchesIgnoringCase) {
    struct Row {
        const char* name;
        const char* pattern;
        bool matches;
    };
    const Row rows[] = {
        {"Patrol.sco", "*.sco", true},
        {"Patrol.SCO", "*.sco", true},
        {"Patrol.sce", "*.sco", false},
        {"sco", "*.sco", false},
        {".sco", "*.sco", true},
        {"a.sco.bak", "*.sco", false},
        {"README", "*.*", true},
        {"Deep.Space.sco", "*.sco", true},
        {"x", "?", true},
        {"xy", "?", false},
        {"scene", "scene", true},
        {"SCENE", "scene", true},
        {"aaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*c", false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(MatchesWildcard(row.name, row.pattern), row.matches)
            << row.name << " ~ " << row.pattern;
    }
}

} // namespace
} // namespace forgeline::platform
