#include "editor/RecoveryCopy.h"

#include "platform/Platform.h"

#include <algorithm>
#include <charconv>

namespace forgeline {
namespace {

constexpr std::string_view Heading = "Forgeline unsaved scenario 1\n";
constexpr std::string_view Prefix = "unsaved-";
constexpr std::string_view Extension = ".forgeline";
constexpr std::string_view LockExtension = ".lock";

// Each value as its length in bytes, a line end, the bytes and a line end.
void appendValue(std::string& bytes, std::string_view value) {
    bytes += std::to_string(value.size());
    bytes += '\n';
    bytes += value;
    bytes += '\n';
}

// A number as the copy writes it, without leading zeros. One too large for its type is no
// number: it must not wrap to a small one.
std::optional<std::size_t> readNumber(std::string_view bytes, std::size_t& at) {
    const std::size_t end = bytes.find('\n', at);
    if (end == std::string_view::npos || (bytes[at] == '0' && end != at + 1)) {
        return std::nullopt;
    }
    std::size_t number = 0;
    const auto [stop, error] = std::from_chars(bytes.data() + at, bytes.data() + end, number);
    if (error != std::errc{} || stop != bytes.data() + end) {
        return std::nullopt;
    }
    at = end + 1;
    return number;
}

std::optional<std::string> readValue(std::string_view bytes, std::size_t& at) {
    const auto size = readNumber(bytes, at);
    if (!size || *size >= bytes.size() - at || bytes[at + *size] != '\n') {
        return std::nullopt;
    }
    std::string value(bytes.substr(at, *size));
    at += *size + 1;
    return value;
}

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// "unsaved-<process>-<editor>.forgeline", nothing else.
bool isCopyName(std::string_view name) {
    if (!name.starts_with(Prefix) || !name.ends_with(Extension)) {
        return false;
    }
    name.remove_prefix(Prefix.size());
    name.remove_suffix(Extension.size());
    const std::size_t dash = name.find('-');
    return dash != std::string_view::npos && allDigits(name.substr(0, dash)) &&
           allDigits(name.substr(dash + 1));
}

Failure notWhole() {
    return {-1, "The copy is not whole."};
}

} // namespace

std::string RecoveryFileName(long processId, int editor) {
    return std::string(Prefix) + std::to_string(processId) + '-' + std::to_string(editor) +
           std::string(Extension);
}

std::string RecoveryLockName(std::string_view copyName) {
    return std::string(copyName) + std::string(LockExtension);
}

std::vector<std::string>
AbandonedRecoveryCopies(const std::vector<std::string>& names,
                        const std::function<bool(const std::string&)>& locked) {
    std::vector<std::string> abandoned;
    for (const std::string& name : names) {
        const std::string copy = name.ends_with(LockExtension)
                                     ? name.substr(0, name.size() - LockExtension.size())
                                     : name;
        if (isCopyName(copy) && std::ranges::find(abandoned, copy) == abandoned.end() &&
            !locked(RecoveryLockName(copy))) {
            abandoned.push_back(copy);
        }
    }
    return abandoned;
}

std::string RecoveryBytes(const ScenarioSource& source) {
    std::string bytes(Heading);
    for (const std::string* text :
         {&source.Title, &source.Summary, &source.Description, &source.Objective}) {
        appendValue(bytes, *text);
    }
    bytes += std::to_string(source.Forces.size());
    bytes += '\n';
    for (const std::string& line : source.Forces) {
        appendValue(bytes, line);
    }
    return bytes;
}

Result<ScenarioSource> ScenarioFromRecoveryBytes(std::string_view bytes) {
    if (bytes.size() > ScenarioByteLimit) {
        return ScenarioTooLarge("64 MiB");
    }
    if (!bytes.starts_with(Heading)) {
        return notWhole();
    }
    std::size_t at = Heading.size();
    ScenarioSource source;
    for (std::string* text :
         {&source.Title, &source.Summary, &source.Description, &source.Objective}) {
        auto value = readValue(bytes, at);
        if (!value) {
            return notWhole();
        }
        *text = std::move(*value);
    }
    const auto lines = readNumber(bytes, at);
    if (lines && *lines > ScenarioForceLineLimit) {
        return ScenarioTooLarge(std::to_string(ScenarioForceLineLimit) + " force lines");
    }
    // Every line takes at least two bytes, so a count beyond that is no copy of ours.
    if (!lines || *lines > (bytes.size() - at) / 2) {
        return notWhole();
    }
    source.Forces.reserve(*lines);
    for (std::size_t i = 0; i < *lines; ++i) {
        auto line = readValue(bytes, at);
        if (!line) {
            return notWhole();
        }
        source.Forces.push_back(std::move(*line));
    }
    if (at != bytes.size()) {
        return notWhole();
    }
    return source;
}

Status WriteRecoveryCopy(const std::string& path, const ScenarioSource& source) {
    auto file = platform::CreateForWriting(path, platform::WriteKind::Private);
    if (!file) {
        return file.failure();
    }
    if (Status written = (*file)->write(RecoveryBytes(source)); !written) {
        return written;
    }
    return (*file)->close();
}

Result<ScenarioSource> ReadRecoveryCopy(const std::string& path) {
    auto file = platform::OpenForReading(path);
    if (!file) {
        return file.failure();
    }
    std::string bytes;
    char buffer[65536];
    // One byte past the limit is enough to refuse the copy.
    while (bytes.size() <= ScenarioByteLimit) {
        const Result<std::size_t> read = (*file)->read(buffer, sizeof buffer);
        if (!read) {
            return read.failure();
        }
        if (*read == 0) {
            break;
        }
        bytes.append(buffer, *read);
    }
    return ScenarioFromRecoveryBytes(bytes);
}

std::vector<RecoveryChoice> RecoveryChoices(const std::vector<std::string>& paths) {
    std::vector<RecoveryChoice> choices;
    for (const std::string& path : paths) {
        RecoveryChoice choice;
        choice.path = path;
        choice.written = platform::LastWritten(path);
        if (const Result<ScenarioSource> copy = ReadRecoveryCopy(path)) {
            choice.title = copy->Title;
            choice.ships = copy->Forces.size();
        } else {
            choice.damage = copy.failure().description;
        }
        choices.push_back(std::move(choice));
    }
    // A copy whose time cannot be told goes last.
    std::ranges::stable_sort(choices, std::greater{}, &RecoveryChoice::written);
    return choices;
}

std::string RecoveryChoiceText(const RecoveryChoice& choice, std::string_view written) {
    const std::string when = "last written " + std::string(written);
    if (choice.damage) {
        const std::size_t separator = choice.path.find_last_of("/\\");
        return "Damaged: " + choice.path.substr(separator + 1) + ", " + when + " (" +
               *choice.damage + ")";
    }
    return (choice.title.empty() ? std::string("(no title)") : choice.title) + ", " + when + ", " +
           std::to_string(choice.ships) + (choice.ships == 1 ? " ship" : " ships");
}

} // namespace forgeline
