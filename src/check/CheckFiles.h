#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace forgeline {

// What a check of files ends with, worst first wins: a file that could not be read, then a
// file with a problem.
enum class CheckStatus { Clean = 0, Problems = 1, Unreadable = 2 };

// The file name that stands for standard input, and the name its lines are printed under.
inline constexpr std::string_view StandardInputName = "-";
inline constexpr std::string_view StandardInputShown = "<stdin>";

// Checks each scenario file in turn, titles as Compile would write them in the program's
// folder, and prints one "FILE:LINE: message" line per problem to `out`, the compilers' form
// that editors jump from. Why a file could not be read goes to `err`, at the line where the
// read stopped when the file was opened.
CheckStatus CheckFiles(const std::vector<std::string>& paths, std::string_view programFolder,
                       std::ostream& out, std::ostream& err);

} // namespace forgeline
