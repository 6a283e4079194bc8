#include "files/LineReader.h"
#include "files/ScenarioSource.h"
#include "platform/Platform.h"

#include <cstdint>
#include <string_view>

namespace forgeline {
namespace {

// The code is fixed, the same on every platform, as no platform has a portable one for this.
constexpr long TooLargeCode = 7;

// Plain ASCII reads the same in every ANSI code page, so most lines need no conversion.
std::string toText(std::string&& bytes) {
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return platform::AnsiToUtf8(bytes);
        }
    }
    return std::move(bytes);
}

void removeEvery(std::string& text, std::string_view label) {
    std::size_t at = text.find(label);
    if (at == std::string::npos) {
        return;
    }
    std::string kept;
    kept.reserve(text.size());
    std::size_t from = 0;
    while (at != std::string::npos) {
        kept.append(text, from, at - from);
        from = at + label.size();
        at = text.find(label, from);
    }
    kept.append(text, from);
    text = std::move(kept);
}

} // namespace

Failure ScenarioTooLarge(std::string_view over) {
    return {TooLargeCode,
            "The file is too large to be a scenario (over " + std::string(over) + ")."};
}

ScenarioRead ReadScenarioSource(const std::string& path) {
    auto file = platform::OpenForReading(path);
    if (!file) {
        ScenarioRead read;
        read.failure = file.failure();
        return read;
    }
    return ReadScenarioSource(**file);
}

ScenarioRead ReadScenarioSource(platform::InputFile& file) {
    ScenarioRead read;
    read.opened = true;
    const Failure overBytes = ScenarioTooLarge("64 MiB");
    LineReader lines(file, ScenarioByteLimit, overBytes);
    const auto fail = [&read, &overBytes](Failure failure) {
        read.refused = failure == overBytes;
        read.failure = std::move(failure);
        return read;
    };

    const std::pair<std::string_view, std::string*> labelled[] = {
        {"Name: ", &read.source.Title},
        {"Summary: ", &read.source.Summary},
        {"Description: ", &read.source.Description},
        {"Objective: ", &read.source.Objective},
    };
    for (const auto& [label, value] : labelled) {
        auto line = lines.next();
        if (!line || !*line) {
            return fail(line ? platform::EndOfFileFailure() : line.failure());
        }
        // Labels are removed from the bytes, so a label can never be formed across characters.
        std::string bytes = std::move(**line);
        removeEvery(bytes, label);
        *value = toText(std::move(bytes));
        ++read.headerValuesRead;
        ++read.linesRead;
    }
    for (int skipped = 0; skipped < 2; ++skipped) {
        auto line = lines.next();
        if (!line || !*line) {
            return fail(line ? platform::EndOfFileFailure() : line.failure());
        }
        ++read.linesRead;
    }
    while (true) {
        auto line = lines.next();
        if (!line) {
            return fail(line.failure());
        }
        if (!*line) {
            return read;
        }
        if (read.source.Forces.size() == ScenarioForceLineLimit) {
            read.refused = true;
            read.failure =
                ScenarioTooLarge(std::to_string(ScenarioForceLineLimit) + " force lines");
            return read;
        }
        read.source.Forces.push_back(toText(std::move(**line)));
        ++read.linesRead;
    }
}

} // namespace forgeline
