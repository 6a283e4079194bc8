#pragma once

#include "random/RandomSource.h"

#include <string>
#include <string_view>
#include <vector>

namespace forgeline {

// The value of a setting's text. A text that is not a number counts as 0, so settings that
// did not come through the window still give a fleet; the result is always finite.
double SettingValue(std::string_view text);

// The greatest whole number not above a finite value, as decimal text: "-" for negatives, no
// decimal point, no exponent, however large.
std::string WholeNumberText(double value);

// Int((max - min + 1) * r): one less than the number of items a loop makes.
double CountDraw(double min, double max, RandomSource& random);

// The items a count draw makes, at most `limit`: none for a negative draw (or a limit of 0).
int ItemCount(double countDraw, int limit);

// Int((max - min) * r + min): from min up to, not including, max.
double CoordDraw(double min, double max, RandomSource& random);

// Int((max - min + 1) * r + min): from min up to max, both included.
double StartDraw(double min, double max, RandomSource& random);

// Int(r * 361): 0 to 360.
int HeadingDraw(RandomSource& random);

// Int(r * 4): 0 to 3.
int WarpDraw(RandomSource& random);

// Int(r * 4): a nation code of the catalogue.
int NationDraw(RandomSource& random);

// The entry at Int(r * (n - 1)): every entry but the last, each as likely; empty text for an
// empty list.
const std::string& PickFrom(const std::vector<std::string>& list, RandomSource& random);

} // namespace forgeline
