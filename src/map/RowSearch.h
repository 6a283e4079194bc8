#pragma once

#include <algorithm>
#include <iterator>

namespace forgeline {

// The first item from `from` on whose row is not below `row`, in a range ascending by row, as
// std::lower_bound finds it. It is looked for from `from` out in doubling steps: a walk along
// rows in order, most of them next to each other, then costs a look or two for each, where a
// search of all that is left would cost some fifteen among thirty thousand ships.
template <typename Iterator> Iterator FirstFromRow(Iterator from, Iterator end, int row) {
    const auto below = [](const auto& item, int wanted) { return item.row < wanted; };
    typename std::iterator_traits<Iterator>::difference_type step = 1;
    while (end - from > step && below(from[step - 1], row)) {
        from += step;
        step *= 2;
    }
    return std::lower_bound(from, from + std::min(step, end - from), row, below);
}

} // namespace forgeline
