#include "files/FileDialogRules.h"

#include "platform/Platform.h"

namespace forgeline {
namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Each letter as a class of both its cases; a "[" of the Windows pattern is an ordinary
// character, and a class of its own here.
std::string withoutLetterCase(std::string_view pattern) {
    std::string out;
    for (const char c : pattern) {
        if (isAsciiLetter(c)) {
            const char lower = static_cast<char>(c | 0x20);
            out += {'[', lower, static_cast<char>(lower & ~0x20), ']'};
        } else if (c == '[') {
            out += "[[]";
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

std::vector<DialogFileType> DialogFileTypes(std::string_view filter) {
    const std::vector<std::string_view> parts = split(filter, '|');
    std::vector<DialogFileType> types;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        DialogFileType type{std::string(parts[i]), {}};
        for (std::string_view pattern : split(parts[i + 1], ';')) {
            if (pattern == "*.*") {
                type.patterns.emplace_back("*");
                continue;
            }
            type.patterns.push_back(withoutLetterCase(pattern));
            if (pattern.size() > 2 && pattern.substr(pattern.size() - 2) == ".*") {
                type.patterns.push_back(withoutLetterCase(pattern.substr(0, pattern.size() - 2)));
            }
        }
        types.push_back(std::move(type));
    }
    return types;
}

std::string FolderOfChosenPath(std::string_view path) {
    const char* separators = platform::PathSeparator() == '\\' ? "\\/" : "/";
    const std::size_t last = path.find_last_of(separators);
    if (last == std::string_view::npos) {
        return ".";
    }
    return std::string(path.substr(0, last == 0 ? 1 : last));
}

bool DialogAcceptsPath(std::string_view path) {
    return platform::FolderExists(FolderOfChosenPath(path));
}

} // namespace forgeline
