#include "editor/TextChange.h"

#include <algorithm>

namespace forgeline {
namespace {

bool continuesCharacter(std::string_view text, std::size_t at) {
    return at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
}

} // namespace

TextSwap TextChange(std::string_view before, std::string_view after) {
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t start = 0;
    while (start < shorter && before[start] == after[start]) {
        ++start;
    }
    while (start > 0 && (continuesCharacter(before, start) || continuesCharacter(after, start))) {
        --start;
    }
    std::size_t end = 0;
    while (end < shorter - start &&
           before[before.size() - 1 - end] == after[after.size() - 1 - end]) {
        ++end;
    }
    while (end > 0 && (continuesCharacter(before, before.size() - end) ||
                       continuesCharacter(after, after.size() - end))) {
        --end;
    }
    return {start, after.size() - start - end,
            std::string(before.substr(start, before.size() - start - end))};
}

std::string SwapText(TextSwap& swap, std::string_view text) {
    std::string taken(text.substr(swap.at, swap.onScreenLength));
    std::string swapped;
    swapped.reserve(text.size() - taken.size() + swap.offScreen.size());
    swapped.append(text.substr(0, swap.at));
    swapped.append(swap.offScreen);
    swapped.append(text.substr(swap.at + swap.onScreenLength));
    swap.onScreenLength = swap.offScreen.size();
    swap.offScreen = std::move(taken);
    return swapped;
}

TextSwap MergedTextChange(const TextSwap& first, const TextSwap& second, std::string_view text) {
    TextSwap undoSecond = second;
    const std::string between = SwapText(undoSecond, text);
    TextSwap undoFirst = first;
    return TextChange(SwapText(undoFirst, between), text);
}

} // namespace forgeline
