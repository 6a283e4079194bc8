#include "editor/RecoveryCopy.h"

#include "platform/Platform.h"

#include <charconv>

namespace forgeline {
namespace {

constexpr std::string_view Heading = "Forgeline unsaved scenario 1\n";
constexpr std::string_view Prefix = "unsaved-";
constexpr std::string_view Extension = ".forgeline";

// Each value as its length in bytes, a line end, the bytes and a line end.
void appendValue(std::string& bytes, std::string_view value) {
    bytes += std::to_string(value.size());
    bytes += '\n';
    bytes += value;
    bytes += '\n';
}

std::optional<std::size_t> readNumber(std::string_view bytes, std::size_t& at) {
    const std::size_t end = bytes.find('\n', at);
    std::size_t number = 0;
    if (end == std::string_view::npos ||
        std::from_chars(bytes.data() + at, bytes.data() + end, number).ptr != bytes.data() + end) {
        return std::nullopt;
    }
    at = end + 1;
    return number;
}

std::optional<std::string> readValue(std::string_view bytes, std::size_t& at) {
    const auto size = readNumber(bytes, at);
    if (!size || bytes.size() - at < *size + 1 || bytes[at + *size] != '\n') {
        return std::nullopt;
    }
    std::string value(bytes.substr(at, *size));
    at += *size + 1;
    return value;
}

} // namespace

std::string RecoveryFileName(long processId, int editor) {
    return std::string(Prefix) + std::to_string(processId) + '-' + std::to_string(editor) +
           std::string(Extension);
}

std::vector<std::string> AbandonedRecoveryCopies(const std::vector<std::string>& names,
                                                 const std::function<bool(long)>& running) {
    std::vector<std::string> abandoned;
    for (const std::string& name : names) {
        long processId = 0;
        const char* start = name.data() + Prefix.size();
        const char* end = name.data() + name.size();
        if (name.starts_with(Prefix) && name.ends_with(Extension) &&
            std::from_chars(start, end, processId).ptr != start && processId > 0 &&
            !running(processId)) {
            abandoned.push_back(name);
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

std::optional<ScenarioSource> ScenarioFromRecoveryBytes(std::string_view bytes) {
    if (!bytes.starts_with(Heading)) {
        return std::nullopt;
    }
    std::size_t at = Heading.size();
    ScenarioSource source;
    for (std::string* text :
         {&source.Title, &source.Summary, &source.Description, &source.Objective}) {
        auto value = readValue(bytes, at);
        if (!value) {
            return std::nullopt;
        }
        *text = std::move(*value);
    }
    const auto lines = readNumber(bytes, at);
    // Every line takes at least two bytes, so a count beyond that is no copy of ours.
    if (!lines || *lines > (bytes.size() - at) / 2) {
        return std::nullopt;
    }
    source.Forces.reserve(*lines);
    for (std::size_t i = 0; i < *lines; ++i) {
        auto line = readValue(bytes, at);
        if (!line) {
            return std::nullopt;
        }
        source.Forces.push_back(std::move(*line));
    }
    if (at != bytes.size()) {
        return std::nullopt;
    }
    return source;
}

Status WriteRecoveryCopy(const std::string& path, const ScenarioSource& source) {
    auto file = platform::CreateForWriting(path);
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
    for (;;) {
        const Result<std::size_t> read = (*file)->read(buffer, sizeof buffer);
        if (!read) {
            return read.failure();
        }
        if (*read == 0) {
            break;
        }
        bytes.append(buffer, *read);
    }
    if (auto source = ScenarioFromRecoveryBytes(bytes)) {
        return std::move(*source);
    }
    return Failure{-1, "The unsaved scenario at " + path + " is not whole."};
}

} // namespace forgeline
