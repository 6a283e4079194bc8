#include "play/ScenarioList.h"

#include "platform/Platform.h"

namespace forgeline {

std::string ListingFolder(std::string_view folder) {
    std::string adjusted(folder);
    if (adjusted.empty() || adjusted.back() != platform::PathSeparator()) {
        adjusted += platform::PathSeparator();
    }
    return adjusted;
}

std::string ListingPattern(std::string_view pattern) {
    const std::size_t first = pattern.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return "*.*";
    }
    pattern = pattern.substr(first, pattern.find_last_not_of(' ') - first + 1);
    if (pattern.starts_with("*.")) {
        return std::string(pattern);
    }
    return "*." + std::string(pattern);
}

std::vector<std::string> ListScenarioFiles(const std::string& folder, const std::string& pattern) {
    return platform::ListFiles(ListingFolder(folder), ListingPattern(pattern));
}

std::string ScenarioName(std::string_view entry) {
    return std::string(entry.substr(0, entry.find('.')));
}

std::string LaunchParameters(std::string_view entry) {
    return " nobanner scenario " + std::string(entry);
}

} // namespace forgeline
