#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace forgeline::platform {

// Splits a parameter string into arguments as a Windows program's start-up code does: blanks
// separate, double quotes group, backslashes escape only before a quote.
std::vector<std::string> SplitCommandLine(std::string_view parameters);

} // namespace forgeline::platform
