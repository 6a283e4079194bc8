#include "platform/TemporaryName.h"

#include <charconv>
#include <cstdint>

namespace forgeline::platform {
namespace {

// A dot, eight hexadecimal digits of the target's name and a dash; the process and the attempt
// follow in decimal.
std::string prefixFor(std::string_view targetName) {
    std::uint32_t hash = 2166136261u;
    for (const char c : targetName) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    std::string prefix(10, '0');
    prefix.front() = '.';
    prefix.back() = '-';
    for (std::size_t digit = 8; digit > 0; --digit, hash >>= 4) {
        prefix[digit] = "0123456789abcdef"[hash & 15u];
    }
    return prefix;
}

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

} // namespace

std::string TemporaryName(std::string_view targetName, long processId, unsigned attempt) {
    return prefixFor(targetName) + std::to_string(processId) + "-" + std::to_string(attempt);
}

std::optional<long> TemporaryFileOwner(std::string_view name, std::string_view targetName) {
    const std::string prefix = prefixFor(targetName);
    if (!name.starts_with(prefix)) {
        return std::nullopt;
    }
    name.remove_prefix(prefix.size());
    const std::size_t dash = name.find('-');
    const std::string_view process = name.substr(0, dash);
    if (dash == std::string_view::npos || !allDigits(process) ||
        !allDigits(name.substr(dash + 1))) {
        return std::nullopt;
    }
    long owner = 0;
    if (std::from_chars(process.data(), process.data() + process.size(), owner).ec != std::errc{}) {
        return std::nullopt;
    }
    return owner;
}

} // namespace forgeline::platform
