#include "model/ShipCatalogue.h"
#include "random/Generation.h"

#include <gtest/gtest.h>
#include <set>

namespace forgeline {
namespace {

TEST(GenerationNamePools, HoldTheFixedNamesOfEachNation) {
    const struct {
        int code;
        std::size_t size;
        const char* first;
        const char* second;
        const char* beforeLast;
        const char* last;
    } rows[] = {
        {0, 41, "Wendrel", "Solvane", "Eskarth", "Tessaline"},
        {1, 36, "Asteroid", "Comet", "Gargoyle", "Wraith"},
        {2, 31, "Omicron", "Quinron", "Valkyrie", "Crow"},
        {3, 36, "Dagger", "Knife", "Burglar", "Outlaw"},
    };
    for (const auto& row : rows) {
        const std::vector<std::string>& pool = NamePool(row.code);
        ASSERT_EQ(pool.size(), row.size) << row.code;
        EXPECT_EQ(pool[0], row.first);
        EXPECT_EQ(pool[1], row.second);
        EXPECT_EQ(pool[pool.size() - 2], row.beforeLast);
        EXPECT_EQ(pool.back(), row.last);
    }
    // Spot checks inside the pools, where a slip in copying would hide.
    EXPECT_EQ(NamePool(0)[23], "Enterprise");
    EXPECT_EQ(NamePool(0)[24], "Hornet");
    EXPECT_EQ(NamePool(1)[17], "Mamba");
    EXPECT_EQ(NamePool(1)[21], "Cromoer");
    EXPECT_EQ(NamePool(2)[3], "Korg");
    EXPECT_EQ(NamePool(2)[23], "Scirocco");
    EXPECT_EQ(NamePool(3)[23], "Pirahna");
}

TEST(GenerationNamePools, NoNameRepeatsOrHoldsASpace) {
    std::set<std::string> seen;
    std::size_t total = 0;
    for (int code = 0; code < 4; ++code) {
        for (const std::string& name : NamePool(code)) {
            EXPECT_TRUE(seen.insert(name).second) << name;
            EXPECT_FALSE(name.empty());
            EXPECT_EQ(name.find(' '), std::string::npos) << name;
            ++total;
        }
    }
    EXPECT_EQ(total, 144u);
}

TEST(GenerationNamePools, OnlyCatalogueNationsHaveAPool) {
    for (int code : {-1, 4, 99}) {
        EXPECT_TRUE(NamePool(code).empty()) << code;
    }
    EXPECT_EQ(Nations().size(), 4u);
}

} // namespace
} // namespace forgeline
