#include "model/Blanks.h"

#include <algorithm>

namespace forgeline {
namespace {

bool isContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The bytes of the UTF-8 sequence a lead byte starts; 1 for a byte that starts none.
std::size_t sequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead < 0xF8) {
        return 4;
    }
    if (lead >= 0xE0) {
        return lead < 0xF0 ? 3 : 1;
    }
    return lead >= 0xC0 ? 2 : 1;
}

// The UTF-8 text without its blanks; a byte of no whole character is kept as it is.
std::string withoutBlanks(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        std::size_t length = sequenceLength(lead);
        char32_t code = length == 1 ? lead : lead & (0xFFu >> (length + 1));
        for (std::size_t next = 1; next < length; ++next) {
            if (at + next >= text.size() || !isContinuation(text[at + next])) {
                length = 1;
                code = lead;
                break;
            }
            code = (code << 6) | (static_cast<unsigned char>(text[at + next]) & 0x3Fu);
        }
        if (!IsBlank(code) || (length == 1 && lead >= 0x80)) {
            kept.append(text.substr(at, length));
        }
        at += length;
    }
    return kept;
}

} // namespace

bool IsBlank(char32_t character) {
    switch (character) {
    case U' ':
    case U'\t':
    case U'\n':
    case U'\v':
    case U'\f':
    case U'\r':
    case U'\u00A0':
    case U'\u2028':
    case U'\u2029':
        return true;
    default:
        return false;
    }
}

EditedText WithoutInsertedBlanks(std::string_view before, std::string_view after,
                                 std::size_t cursor) {
    // The edit put after[start, end) where before had something else; both ends are moved
    // onto whole characters.
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t start = 0;
    while (start < shorter && before[start] == after[start]) {
        ++start;
    }
    while (start > 0 && start < after.size() && isContinuation(after[start])) {
        --start;
    }
    std::size_t kept = 0;
    while (kept < shorter - start &&
           before[before.size() - 1 - kept] == after[after.size() - 1 - kept]) {
        ++kept;
    }
    std::size_t end = after.size() - kept;
    while (end < after.size() && isContinuation(after[end])) {
        ++end;
    }
    const std::string put = withoutBlanks(after.substr(start, end - start));
    EditedText edited{std::string(after.substr(0, start)) + put + std::string(after.substr(end)),
                      cursor};
    if (cursor >= end) {
        edited.cursor = cursor - (end - start - put.size());
    } else if (cursor > start) {
        edited.cursor = start + withoutBlanks(after.substr(start, cursor - start)).size();
    }
    return edited;
}

} // namespace forgeline
