#include "model/RowRuns.h"

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
