#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace forgeline {

// What a check of files ends with, worst first wins: a file that could not be read, then a
// file with a problem.
enum class CheckStatus { Clean = 0, Problems = 1, Unreadable = 2 };

// Checks each scenario file in turn and prints one "FILE:LINE: message" line per problem to
// `out`, the compilers' form that editors jump from, and why a file could not be read to `err`.
CheckStatus CheckFiles(const std::vector<std::string>& paths, std::ostream& out, std::ostream& err);

} // namespace forgeline
