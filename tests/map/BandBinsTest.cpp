#include "map/BandBins.h"

#include <gtest/gtest.h>
#include <vector>

namespace forgeline {
namespace {

using Rows = std::pair<long long, long long>;

std::vector<std::vector<std::size_t>> binned(int bands, int bandRows,
                                             const std::vector<Rows>& items) {
    const BandBins bins(bands, bandRows, items.size(),
                        [&items](std::size_t i) { return items[i]; });
    std::vector<std::vector<std::size_t>> held;
    for (int band = 0; band < bands; ++band) {
        held.emplace_back(bins.of(band).begin(), bins.of(band).end());
    }
    return held;
}

TEST(BandBins, EachBandHoldsWhatTouchesItsRowsInOrder) {
    // Three bands of four rows: rows 0 to 11.
    const std::vector<Rows> items = {
        {0, 3},   // 0: the first band
        {2, 5},   // 1: across two
        {-5, -1}, // 2: above them all
        {-3, 0},  // 3: into the first from above
        {3, 12},  // 4: across all three, and past the last
        {12, 20}, // 5: below them all
        {11, 30}, // 6: into the last from below
        {5, 5},   // 7: one row
        {0, 11},  // 8: all three, filling the last two
        {0, 0},   // 9: the first band alone
        {4, 4},   // 10: the second band alone, after the last is full
        {1, 1},   // 11: the first band alone, after the second is full
    };
    const std::vector<std::vector<std::size_t>> bands = {
        {0, 1, 3, 4, 8, 9, 11}, {1, 4, 7, 8, 10}, {4, 6, 8}};
    EXPECT_EQ(binned(3, 4, items), bands);
    EXPECT_EQ(binned(2, 4, {}), (std::vector<std::vector<std::size_t>>{{}, {}}));
}

TEST(BandBins, HoldsWhatASearchOfEveryItemForEachBandFinds) {
    unsigned seed = 11;
    const auto next = [&seed](int below) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 8) % unsigned(below));
    };
    std::vector<Rows> items;
    for (int i = 0; i < 2000; ++i) {
        const long long top = next(300) - 50;
        items.emplace_back(top, top + next(i % 10 == 0 ? 150 : 40));
    }
    const int bands = 4;
    const int bandRows = 50;
    const std::vector<std::vector<std::size_t>> held = binned(bands, bandRows, items);
    for (int band = 0; band < bands; ++band) {
        std::vector<std::size_t> touching;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i].first < (band + 1LL) * bandRows && items[i].second >= band * bandRows) {
                touching.push_back(i);
            }
        }
        EXPECT_EQ(held[std::size_t(band)], touching) << band;
    }
}

} // namespace
} // namespace forgeline
