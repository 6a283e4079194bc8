#include "editor/RecentFiles.h"

#include <algorithm>

namespace forgeline {

std::vector<std::string> WithRecentFile(std::vector<std::string> recent, const std::string& path) {
    recent = WithoutRecentFile(std::move(recent), path);
    recent.insert(recent.begin(), path);
    if (recent.size() > RecentFilesLimit) {
        recent.resize(RecentFilesLimit);
    }
    return recent;
}

std::vector<std::string> WithoutRecentFile(std::vector<std::string> recent,
                                           const std::string& path) {
    std::erase(recent, path);
    return recent;
}

std::vector<std::string> KeptRecentFiles(const std::vector<std::string>& stored) {
    std::vector<std::string> kept;
    for (const std::string& path : stored) {
        if (!path.empty() && std::ranges::find(kept, path) == kept.end() &&
            kept.size() < RecentFilesLimit) {
            kept.push_back(path);
        }
    }
    return kept;
}

std::string RecentFileCaption(std::size_t position, std::string_view path) {
    std::string caption = "&" + std::to_string(position + 1) + " ";
    for (const char c : path) {
        caption += c == '&' ? "&&" : std::string(1, c);
    }
    return caption;
}

std::string MissingRecentFileMessage(std::string_view path) {
    return "The file '" + std::string(path) + "' is missing. It is taken off the recent files.";
}

} // namespace forgeline
