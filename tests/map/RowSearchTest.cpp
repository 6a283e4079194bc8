#include "map/RowSearch.h"

#include <gtest/gtest.h>
#include <vector>

namespace forgeline {
namespace {

struct Row {
    int row;
};

TEST(RowSearch, FindsWhatASearchOfAllThatIsLeftFinds) {
    // Runs of neighbours, gaps of every size, a row twice, and the ends.
    std::vector<Row> rows;
    for (const int row :
         {-3, 0, 1, 2, 3, 5, 5, 6, 9, 10, 17, 40, 41, 42, 43, 44, 45, 46, 47, 48, 100, 101, 1000}) {
        rows.push_back({row});
    }
    const auto below = [](const Row& item, int wanted) { return item.row < wanted; };
    for (auto from = rows.begin(); from <= rows.end(); ++from) {
        for (int wanted = -5; wanted <= 1002; ++wanted) {
            EXPECT_EQ(FirstFromRow(from, rows.end(), wanted) - rows.begin(),
                      std::lower_bound(from, rows.end(), wanted, below) - rows.begin())
                << "from " << from - rows.begin() << " for row " << wanted;
        }
    }
}

} // namespace
} // namespace forgeline
