#include "model/RowRuns.h"

#include <algorithm>

namespace forgeline {

std::vector<RowRun> RunsOf(const std::vector<int>& rows) {
    std::vector<RowRun> runs;
    for (const int row : rows) {
        if (!runs.empty() && runs.back().last + 1 == row) {
            runs.back().last = row;
        } else {
            runs.push_back({row, row});
        }
    }
    return runs;
}

std::vector<RowRun> JoinedRuns(std::vector<RowRun> runs) {
    std::sort(runs.begin(), runs.end(),
              [](const RowRun& a, const RowRun& b) { return a.first < b.first; });
    std::vector<RowRun> joined;
    for (const RowRun& run : runs) {
        if (!joined.empty() && static_cast<long long>(run.first) <= joined.back().last + 1LL) {
            joined.back().last = std::max(joined.back().last, run.last);
        } else {
            joined.push_back(run);
        }
    }
    return joined;
}

std::vector<int> RowsOf(const std::vector<RowRun>& runs) {
    std::vector<int> rows;
    for (const RowRun& run : runs) {
        for (int row = run.first; row <= run.last; ++row) {
            rows.push_back(row);
        }
    }
    return rows;
}

} // namespace forgeline
