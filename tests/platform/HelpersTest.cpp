#include "platform/CommandLine.h"
#include "platform/Wildcard.h"

#include <gtest/gtest.h>

namespace forgeline::platform {
namespace {

TEST(CommandLine, SplitsAsAWindowsProgramDoes) {
    const std::pair<const char*, std::vector<std::string>> rows[] = {
        {" nobanner scenario Patrol.sco ", {"nobanner", "scenario", "Patrol.sco"}},
        {"", {}},
        {"a\t\tb", {"a", "b"}},
        {"\"Deep Space.sce\"", {"Deep Space.sce"}},
        {"a\"b c\"d", {"ab cd"}},
        {"\"\"", {""}},
        {"a\\\\b", {"a\\\\b"}},
        {"a\\\"b", {"a\"b"}},
        {"a\\\\\"b c\"", {"a\\b c"}},
        {"\"a\"\"b\"", {"a\"b"}}};
    for (const auto& [parameters, arguments] : rows) {
        EXPECT_EQ(SplitCommandLine(parameters), arguments) << parameters;
    }
}

TEST(Wildcard, MatchesIgnoringCase) {
    const std::tuple<const char*, const char*, bool> rows[] = {
        {"Patrol.SCO", "*.sco", true},
        {"sco", "*.sco", false},
        {".sco", "*.sco", true},
        {"a.sco.bak", "*.sco", false},
        {"Deep.Space.sco", "*.sco", true},
        {"README", "*.*", true},
        {"x", "?", true},
        {"xy", "?", false},
        {"aaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*c", false},
        {"AZ.sco", "az.SCO", true},
        {"@[", "`{", false}};
    for (const auto& [name, pattern, matches] : rows) {
        EXPECT_EQ(MatchesWildcard(name, pattern), matches) << name << " ~ " << pattern;
    }
}

TEST(Wildcard, SortsIgnoringCaseThenByBytes) {
    // "_" lies between the capitals and the small letters.
    std::vector<std::string> names{"z", "_", "a", "Z", "B", "A", "`", "@", "["};
    SortNamesIgnoringCase(names);
    EXPECT_EQ(names, (std::vector<std::string>{"@", "[", "_", "`", "A", "a", "B", "Z", "z"}));
}

} // namespace
} // namespace forgeline::platform
