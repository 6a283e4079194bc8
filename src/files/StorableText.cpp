#include "files/StorableText.h"

#include "platform/Platform.h"

namespace forgeline {
namespace {

// One test for both: `out` receives the file's bytes when it is given.
std::optional<Unstorable> storable(std::string_view value, std::string* out) {
    bool ascii = true;
    for (const char c : value) {
        if (c == '\r' || c == '\n') {
            return Unstorable::LineBreak;
        }
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    }
    if (ascii) {
        if (out) {
            *out += value;
        }
        return std::nullopt;
    }
    const auto bytes = platform::Utf8ToAnsi(value);
    if (!bytes) {
        return Unstorable::OutsideCodePage;
    }
    if (out) {
        *out += *bytes;
    }
    return std::nullopt;
}

} // namespace

std::optional<Unstorable> AppendStorable(std::string_view value, std::string& out) {
    return storable(value, &out);
}

std::optional<Unstorable> FindUnstorable(std::string_view value) {
    return storable(value, nullptr);
}

std::string UnstorableMessage(std::string_view what, Unstorable why) {
    const std::string subject = "The " + std::string(what);
    if (why == Unstorable::LineBreak) {
        return subject + " holds a line break, which a scenario file cannot hold.";
    }
    return subject + " holds a character that a scenario file cannot hold.";
}

} // namespace forgeline
