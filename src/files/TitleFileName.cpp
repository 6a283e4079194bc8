#include "files/TitleFileName.h"

#include "platform/Platform.h"
#include "platform/Wildcard.h"

#include <array>
#include <string>

namespace forgeline {
namespace {

constexpr std::string_view Refused = "/\\<>:\"|?*";
// Both names end in an extension of this length.
constexpr std::size_t ExtensionLength = 4;
constexpr std::size_t LongestName = 255;
// MAX_PATH, less the terminating NUL.
constexpr std::size_t LongestWindowsPath = 259;

// Windows takes these for its devices whatever follows the first dot, in any letter case. It
// counts the superscript digits 1, 2 and 3 as digits of COM and LPT ports.
constexpr std::array<std::string_view, 32> DeviceNames = {
    "CON",         "PRN",         "AUX",         "NUL",         "CONIN$", "CONOUT$", "COM0",
    "COM1",        "COM2",        "COM3",        "COM4",        "COM5",   "COM6",    "COM7",
    "COM8",        "COM9",        "COM\xC2\xB9", "COM\xC2\xB2", "LPT0",   "LPT1",    "LPT2",
    "LPT3",        "LPT4",        "LPT5",        "LPT6",        "LPT7",   "LPT8",    "LPT9",
    "LPT\xC2\xB9", "LPT\xC2\xB2", "COM\xC2\xB3", "LPT\xC2\xB3"};

Failure unusable(const std::string& reason) {
    return {OwnFailureCode, "The scenario title cannot be used as a file name: " + reason + "."};
}

// Characters as Windows counts them in a path: UTF-16 units, two for a character beyond the
// Basic Multilingual Plane.
std::size_t windowsLength(std::string_view utf8) {
    std::size_t units = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80) {
            units += byte >= 0xF0 ? 2 : 1;
        }
    }
    return units;
}

} // namespace

Status CheckTitleAsFileName(std::string_view title, std::string_view programFolder) {
    if (title.starts_with('.')) {
        return unusable("it begins with a dot, which hides the file from the list of scenarios");
    }
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
    if (title.size() + ExtensionLength > LongestName) {
        return unusable("the file name would be longer than " + std::to_string(LongestName) +
                        " bytes");
    }
    const std::string path = platform::JoinPath(programFolder, std::string(title) + ".sce");
    if (windowsLength(path) > LongestWindowsPath) {
        return unusable("its path in the program's folder would be longer than the " +
                        std::to_string(LongestWindowsPath) + " characters Windows allows");
    }
    return {};
}

bool IsScenarioFileName(std::string_view path) {
    constexpr std::string_view Extension = ".sce";
    return path.size() > Extension.size() &&
           platform::EqualIgnoringCase(path.substr(path.size() - Extension.size()), Extension);
}

} // namespace forgeline
