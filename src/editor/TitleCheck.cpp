#include "editor/TitleCheck.h"

#include "platform/Wildcard.h"

#include <array>
#include <string>

namespace forgeline {
namespace {

constexpr std::string_view Refused = "/\\<>:\"|?*";

// Windows takes these for its devices whatever follows the first dot, in any letter case.
constexpr std::array<std::string_view, 22> DeviceNames = {
    "CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
    "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};

Failure unusable(const std::string& reason) {
    return {-1, "The scenario title cannot be used as a file name: " + reason + "."};
}

} // namespace

Status CheckTitleAsFileName(std::string_view title) {
    for (const char c : title) {
        if (Refused.find(c) != std::string_view::npos) {
            return unusable("it holds \"" + std::string(1, c) + "\"");
        }
        // A blank would split the compiler's argument in two.
        if (c == ' ' || c == '\t') {
            return unusable("it holds a blank");
        }
        if (static_cast<unsigned char>(c) < 32) {
            return unusable("it holds a control character");
        }
    }
    const std::string_view stem = title.substr(0, title.find('.'));
    for (const std::string_view device : DeviceNames) {
        if (platform::EqualIgnoringCase(stem, device)) {
            return unusable("\"" + std::string(stem) + "\" names a device on Windows");
        }
    }
    return {};
}

} // namespace forgeline
