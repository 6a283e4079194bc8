#pragma once

// The scenarios last opened or saved, newest first, that the "&File" menu offers again.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace forgeline {

inline constexpr std::size_t RecentFilesLimit = 8;

// The list with the path put first; an older mention of it goes, and the oldest beyond the
// limit drop off. Paths are compared as they are written.
std::vector<std::string> WithRecentFile(std::vector<std::string> recent, const std::string& path);

// The list without the path.
std::vector<std::string> WithoutRecentFile(std::vector<std::string> recent,
                                           const std::string& path);

// A list as it was kept, in the same rules: empty entries and repeats go, and at most the limit
// stay, so a hand-edited settings file never makes a menu of a hundred items.
std::vector<std::string> KeptRecentFiles(const std::vector<std::string>& stored);

// The menu item of the file at the position, counted from 0: "&1 " and the path, whose own
// ampersands are doubled so they show rather than mark a key.
std::string RecentFileCaption(std::size_t position, std::string_view path);

// Told when the chosen file is gone.
std::string MissingRecentFileMessage(std::string_view path);

} // namespace forgeline
