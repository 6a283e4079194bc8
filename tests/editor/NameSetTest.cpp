#include "editor/NameSet.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace forgeline {
namespace {

TEST(NameSet, HoldsEachNameOnce) {
    NameSet names(2);
    const std::pair<std::string_view, bool> inserts[] = {
        {"Korg", true}, {"Korg", false}, {"korg", true}, {"Korg2", true},
        {"", true},     {"", false},     {"Kor", true},  {"Korg2", false}};
    for (const auto& [name, added] : inserts) {
        EXPECT_EQ(names.insert(name), added) << '"' << name << '"';
        EXPECT_TRUE(names.contains(name)) << '"' << name << '"';
    }
    EXPECT_FALSE(names.contains("Korg3"));
    EXPECT_FALSE(names.contains("Kang"));
}

TEST(NameSet, GrowsPastWhatWasExpectedAndKeepsEveryName) {
    std::vector<std::string> kept;
    for (int i = 0; i < 5000; ++i) {
        kept.push_back("Ship" + std::to_string(i));
    }
    NameSet names(1);
    for (const std::string& name : kept) {
        ASSERT_TRUE(names.insert(name)) << name;
    }
    for (const std::string& name : kept) {
        ASSERT_TRUE(names.contains(name)) << name;
        ASSERT_FALSE(names.insert(name)) << name;
    }
    EXPECT_FALSE(names.contains("Ship5000"));
}

} // namespace
} // namespace forgeline
