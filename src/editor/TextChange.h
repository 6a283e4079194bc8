#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace forgeline {

// One change of a text, held as the part of it that is not on screen: from byte `at`, the
// `onScreenLength` bytes now shown stand where `offScreen` stood. Swapping the two undoes the
// change, and swapping them again redoes it, so a step never holds both texts whole.
struct TextSwap {
    std::size_t at = 0;
    std::size_t onScreenLength = 0;
    std::string offScreen;

    bool changesNothing() const { return onScreenLength == 0 && offScreen.empty(); }
};

// The smallest swap that turned `before` into `after`: what both start and end with is kept
// out of it. Its ends fall between whole UTF-8 characters.
TextSwap TextChange(std::string_view before, std::string_view after);

// Puts the off-screen part back into `text` and keeps the part it took out in its place.
std::string SwapText(TextSwap& swap, std::string_view text);

// Two changes in a row of one text as one: `second` followed `first`, and `text` stands now.
TextSwap MergedTextChange(const TextSwap& first, const TextSwap& second, std::string_view text);

} // namespace forgeline
