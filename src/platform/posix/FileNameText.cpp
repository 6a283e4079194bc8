#include "platform/posix/FileNameText.h"

#include <algorithm>

namespace forgeline::platform {
namespace {

constexpr char32_t EscapeBase = 0xEF00;

unsigned char byteAt(std::string_view text, std::size_t at) {
    return at < text.size() ? static_cast<unsigned char>(text[at]) : 0;
}

bool continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence at the position, 0 for none, and its character.
std::size_t validSequence(std::string_view text, std::size_t at, char32_t& character) {
    const unsigned char lead = byteAt(text, at);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    const unsigned char second = byteAt(text, at + 1);
    if (second < low || second > high) {
        return 0;
    }
    character = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byteAt(text, at + i);
        if (!continuation(next)) {
            return 0;
        }
        character = (character << 6) | (next & 0x3F);
    }
    return length;
}

void appendEscaped(std::string& text, unsigned char byte) {
    const char32_t character = EscapeBase + byte;
    text += static_cast<char>(0xE0 | (character >> 12));
    text += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (character & 0x3F));
}

bool escaped(char32_t character) {
    return character >= EscapeBase + 0x80 && character <= EscapeBase + 0xFF;
}

} // namespace

std::string FileNameToText(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size();) {
        char32_t character = 0;
        const unsigned char byte = byteAt(bytes, at);
        const std::size_t length = byte < 0x80 ? 1 : validSequence(bytes, at, character);
        if (length == 0 || (length > 1 && escaped(character))) {
            const std::size_t end = at + std::max<std::size_t>(length, 1);
            for (; at < end; ++at) {
                appendEscaped(text, byteAt(bytes, at));
            }
            continue;
        }
        text.append(bytes.substr(at, length));
        at += length;
    }
    return text;
}

std::string TextToFileName(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        char32_t character = 0;
        if (byteAt(text, at) >= 0x80 && validSequence(text, at, character) == 3 &&
            escaped(character)) {
            bytes += static_cast<char>(character - EscapeBase);
            at += 3;
            continue;
        }
        bytes += text[at++];
    }
    return bytes;
}

} // namespace forgeline::platform
