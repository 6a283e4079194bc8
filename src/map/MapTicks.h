#pragma once

#include <string>
#include <vector>

namespace forgeline {

// The step between grid lines across a visible span: 1, 2 or 5 times a power of ten, the
// smallest that gives at most ten intervals (so never fewer than four). Zero when the span is
// not a usable positive size.
double TickStep(double span);

// The multiples of the step from `from` to `to`, both included; none for a step of zero or
// when there would be more than a screen could show.
std::vector<double> TickPositions(double from, double to, double step);

// A tick value as a short decimal, independent of the user's locale.
std::string TickLabel(double value);

} // namespace forgeline
