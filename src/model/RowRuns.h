#pragma once

#include <vector>

namespace forgeline {

// Selected rows kept as runs of neighbours, so a whole list selected is one run.
struct RowRun {
    int first = 0;
    int last = 0;

    friend bool operator==(const RowRun&, const RowRun&) = default;
};

// The runs of rows given in ascending order.
std::vector<RowRun> RunsOf(const std::vector<int>& rows);

// The rows of runs given in any order, which may overlap or touch, as RunsOf gives them: a
// selection of thirty thousand rows is joined without a list of each.
std::vector<RowRun> JoinedRuns(std::vector<RowRun> runs);

// The rows of the runs, in ascending order.
std::vector<int> RowsOf(const std::vector<RowRun>& runs);

} // namespace forgeline
