#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace forgeline::platform {

// A file name matches a pattern of "*" and "?" wildcards, ASCII letter case ignored. "*.*"
// matches every name, also one without a dot, as on Windows.
bool MatchesWildcard(std::string_view name, std::string_view pattern);

// Sorts names by ASCII letters with case ignored, then by their bytes, so the order is stable.
void SortNamesIgnoringCase(std::vector<std::string>& names);

bool EqualIgnoringCase(std::string_view a, std::string_view b);

} // namespace forgeline::platform
