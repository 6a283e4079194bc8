#include "files/ScenarioSource.h"
#include "files/StorableText.h"
#include "platform/Platform.h"

#include <string_view>

namespace forgeline {
namespace {

constexpr std::string_view LineEnd = "\r\n";

// A value that would break the file's one-value-per-line layout, or that the code page cannot
// hold, is refused before the file is touched. The field's name is only worded on a refusal.
template <typename Name>
std::optional<Failure> encodeValue(const Name& what, std::string_view value, std::string& out) {
    if (const auto why = AppendStorable(value, out)) {
        return Failure{OwnFailureCode, UnstorableMessage(what(), *why)};
    }
    return std::nullopt;
}

} // namespace

Status WriteScenarioSource(const std::string& path, const ScenarioSource& source) {
    std::string text;
    std::size_t size = 128 + source.Title.size() + source.Summary.size() +
                       source.Description.size() + source.Objective.size();
    for (const std::string& line : source.Forces) {
        size += line.size() + LineEnd.size();
    }
    text.reserve(size);

    const std::pair<std::string_view, const std::string*> labelled[] = {
        {"Name: ", &source.Title},
        {"Summary: ", &source.Summary},
        {"Description: ", &source.Description},
        {"Objective: ", &source.Objective},
    };
    const std::string_view names[] = {"title", "summary", "description", "objective"};
    for (std::size_t i = 0; i < std::size(labelled); ++i) {
        text += labelled[i].first;
        const auto name = [&] { return std::string(names[i]); };
        if (auto failure = encodeValue(name, *labelled[i].second, text)) {
            return *failure;
        }
        text += LineEnd;
    }
    text += "Code: <internal>";
    text += LineEnd;
    text += "Forces: ";
    text += LineEnd;
    for (std::size_t i = 0; i < source.Forces.size(); ++i) {
        const auto name = [i] { return "force line " + std::to_string(i + 1); };
        if (auto failure = encodeValue(name, source.Forces[i], text)) {
            return *failure;
        }
        text += LineEnd;
    }

    auto file = platform::CreateForWriting(path);
    if (!file) {
        return file.failure();
    }
    if (Status written = (*file)->write(text); !written) {
        return written;
    }
    return (*file)->close();
}

} // namespace forgeline
