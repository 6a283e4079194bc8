#include "editor/TitleCheck.h"

#include <string>

namespace forgeline {
namespace {

constexpr std::string_view Refused = "/\\<>:\"|?*";

Failure unusable(const std::string& reason) {
    return {-1, "The scenario title cannot be used as a file name: " + reason + "."};
}

} // namespace

Status CheckTitleAsFileName(std::string_view title) {
    if (title == "." || title == "..") {
        return unusable("it is \"" + std::string(title) + "\"");
    }
    for (const char c : title) {
        if (Refused.find(c) != std::string_view::npos) {
            return unusable("it holds \"" + std::string(1, c) + "\"");
        }
        if (static_cast<unsigned char>(c) < 32) {
            return unusable("it holds a control character");
        }
    }
    if (title.ends_with(' ')) {
        return unusable("it ends in a space");
    }
    if (title.ends_with('.')) {
        return unusable("it ends in a dot");
    }
    return {};
}

} // namespace forgeline
