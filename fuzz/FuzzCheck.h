#pragma once

// What every fuzz target shares: a failed property stops the run, so the fuzzer keeps the input.
#include <cstddef>
#include <cstdlib>
#include <string>

namespace forgeline::fuzz {

inline void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// Room for every digit of the largest double, which a pasted number may spell out.
constexpr std::size_t LongestText = 400;

// A whole number written the one way: an optional minus, digits without a leading zero, no "-0".
inline bool isWholeText(const std::string& text) {
    const std::string digits = text.starts_with('-') ? text.substr(1) : text;
    return !digits.empty() && digits.find_first_not_of("0123456789") == std::string::npos &&
           (digits == "0" ? text == "0" : digits.front() != '0');
}

} // namespace forgeline::fuzz
