#include "editor/EditorRules.h"

#include "model/Blanks.h"
#include "model/Numbers.h"

namespace forgeline {
namespace {

constexpr char32_t Space = U' ';
constexpr char32_t Enter = U'\r';

struct TypingRule {
    char32_t discarded;
    std::optional<std::size_t> maxLength;
};

TypingRule typingRuleOf(EditorBox box) {
    switch (box) {
    case EditorBox::SCE:
        return {Space, 32};
    case EditorBox::Summary:
        return {0, 128};
    case EditorBox::Description:
        return {Enter, 512};
    case EditorBox::Objective:
        return {Enter, 256};
    case EditorBox::Nation:
    case EditorBox::ship:
    case EditorBox::shipname:
    case EditorBox::playcomp:
    case EditorBox::X:
    case EditorBox::Y:
    case EditorBox::heading:
    case EditorBox::warp:
        return {Space, std::nullopt};
    }
    return {0, std::nullopt};
}

} // namespace

bool AcceptsTyped(EditorBox box, char32_t typed, std::size_t lengthBefore) {
    const TypingRule rule = typingRuleOf(box);
    if (rule.discarded == Space ? IsBlank(typed) : rule.discarded != 0 && typed == rule.discarded) {
        return false;
    }
    return !rule.maxLength || lengthBefore < *rule.maxLength;
}

NumericChange NumericChangeRule(std::string_view text) {
    if (text.empty() || text == "-") {
        return NumericChange::FocusHere;
    }
    return IsNumeric(text) ? NumericChange::Nothing : NumericChange::WriteZero;
}

std::optional<std::string> NumberBoxFill(std::string_view text) {
    if (text.empty()) {
        return "0";
    }
    return std::nullopt;
}

std::string LineBreaksAsSpaces(std::string_view text) {
    // UTF-8 of U+2028 LINE SEPARATOR and U+2029 PARAGRAPH SEPARATOR.
    constexpr std::string_view LineSeparator = "\xE2\x80\xA8";
    constexpr std::string_view ParagraphSeparator = "\xE2\x80\xA9";
    std::string flat;
    flat.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view rest = text.substr(i);
        if (rest.starts_with("\r\n")) {
            flat += ' ';
            ++i;
        } else if (rest[0] == '\r' || rest[0] == '\n') {
            flat += ' ';
        } else if (rest.starts_with(LineSeparator) || rest.starts_with(ParagraphSeparator)) {
            flat += ' ';
            i += LineSeparator.size() - 1;
        } else {
            flat += rest[0];
        }
    }
    return flat;
}

} // namespace forgeline
