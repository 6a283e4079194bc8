#pragma once

#include <algorithm>
#include <cstddef>
#include <span>
#include <utility>
#include <vector>

namespace forgeline {

// What each band of rows holds, in the order given, all in one list. Nearly every item lies in
// one band or two; a branch on which would be guessed wrong for half of tens of thousands of
// ships. So each item is written at the next free place of its first band and of the band
// after, whether it lies there or not, and only a place it does lie in is taken: one written
// for nothing is written again by that band's next item, or is the spare place each band has
// past its end.
class BandBins {
  public:
    // `bands` bands of `bandRows` rows each from row 0; `rowsOf(i)` gives the first and last
    // row, as long long, that item i of `count` may touch.
    template <typename RowsOf> BandBins(int bands, int bandRows, std::size_t count, RowsOf rowsOf) {
        const long long lastRow = static_cast<long long>(bands) * bandRows - 1;
        // Each item's first and last band, the last one before the first when it lies in none.
        std::vector<std::pair<int, int>> ranges(count);
        // How many more items lie in each band than in the one before.
        std::vector<long long> added(std::size_t(bands) + 1, 0);
        for (std::size_t i = 0; i < count; ++i) {
            const auto [top, bottom] = rowsOf(i);
            const int first = static_cast<int>(std::clamp(top, 0LL, lastRow) / bandRows);
            const int last = bottom < std::max(top, 0LL) || top > lastRow
                                 ? first - 1
                                 : static_cast<int>(std::min(bottom, lastRow) / bandRows);
            ranges[i] = {first, last};
            ++added[std::size_t(first)];
            --added[std::size_t(last + 1)];
        }
        // The band past the last takes what is written for nothing after the last band.
        starts_.resize(std::size_t(bands) + 2);
        long long lying = 0;
        for (std::size_t band = 0; band <= std::size_t(bands); ++band) {
            lying += added[band];
            starts_[band + 1] = starts_[band] + std::size_t(lying) + 1;
        }
        items_.resize(starts_.back());
        ends_.assign(starts_.begin(), starts_.end() - 1);
        for (std::size_t i = 0; i < count; ++i) {
            const auto [first, last] = ranges[i];
            items_[ends_[std::size_t(first)]] = i;
            ends_[std::size_t(first)] += std::size_t(last >= first);
            items_[ends_[std::size_t(first) + 1]] = i;
            ends_[std::size_t(first) + 1] += std::size_t(last > first);
            for (int band = first + 2; band <= last; ++band) {
                items_[ends_[std::size_t(band)]++] = i;
            }
        }
    }

    // The items that lie in the band, in the order given.
    std::span<const std::size_t> of(int band) const {
        return std::span(items_.data() + starts_[std::size_t(band)],
                         items_.data() + ends_[std::size_t(band)]);
    }

  private:
    std::vector<std::size_t> items_;
    std::vector<std::size_t> starts_;
    std::vector<std::size_t> ends_;
};

} // namespace forgeline
