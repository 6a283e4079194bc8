#pragma once

// Force lines on the clipboard: written as a .sce holds them, so ships move between editors
// and text editors and back.

#include "base/Result.h"

#include <string>
#include <string_view>
#include <vector>

namespace forgeline {

// The lines, each ending in CR LF.
std::string ClipboardText(const std::vector<std::string>& lines);

// The force lines of clipboard text, its lines ending in CR LF or LF (the last one's end may be
// missing). Text of which any line is no force line (nine fields, a name, the closing " ()")
// gives none: the failure names the first such line.
Result<std::vector<std::string>> ForceLinesFromClipboard(std::string_view text);

// The lines with every name that an existing line, or a line before it, carries given the
// lowest free number from 2 on in place of any number it ends in: "Korg" and "Korg2" become
// "Korg2", then "Korg3". A name of digits alone gets the number appended.
std::vector<std::string> WithFreeNames(const std::vector<std::string>& existing,
                                       std::vector<std::string> lines);
// The same against existing lines in UTF-16, as a list of the windows holds them, without a
// copy of each line.
std::vector<std::string> WithFreeNames(const std::vector<std::u16string_view>& existing,
                                       std::vector<std::string> lines);

} // namespace forgeline
