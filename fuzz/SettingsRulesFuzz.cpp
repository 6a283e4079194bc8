// A user typing, pasting, deleting and dropping any text into the generator's count and range
// boxes, moving between them at will. Every change settles within three runs of its rule, every
// box without the focus holds a number, and once every box has lost the focus the counts lie
// within their bounds and in order with their partners and every range is at least 1000 wide.
#include "FuzzCheck.h"
#include "random/SettingsRules.h"
#include "random/WholeNumber.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <string>

namespace {

using namespace forgeline::fuzz;
using namespace forgeline;
using enum SettingsBox;

bool within(const std::optional<WholeNumber>& value, int lowest, int highest) {
    return *value >= WholeNumber(lowest) && *value <= WholeNumber(highest);
}

// Pairs are checked where both boxes hold numbers; every box but the focused one must.
void checkValid(const RandomSettings& settings, std::optional<SettingsBox> focused) {
    std::array<std::optional<WholeNumber>, SettingsBoxCount> values;
    for (const SettingsBox box : SettingsBoxes()) {
        values[static_cast<std::size_t>(box)] = WholeNumber::FloorOf(TextOf(settings, box));
        check(box == focused || values[static_cast<std::size_t>(box)].has_value());
    }
    const auto valueOf = [&](SettingsBox box) { return values[static_cast<std::size_t>(box)]; };
    struct CountPair {
        SettingsBox min, max;
        int minLowest, minHighest, maxLowest, maxHighest;
        bool equalAllowed;
    };
    const CountPair counts[] = {{MinFr, MaxFr, 1, 9, 2, 10, false},
                                {MinEn, MaxEn, 1, 29, 2, 30, false},
                                {MinNat, MaxNat, 1, 3, 1, 3, true}};
    for (const CountPair& pair : counts) {
        const std::optional<WholeNumber> min = valueOf(pair.min);
        const std::optional<WholeNumber> max = valueOf(pair.max);
        check(!min || within(min, pair.minLowest, pair.minHighest));
        check(!max || within(max, pair.maxLowest, pair.maxHighest));
        check(!min || !max || (pair.equalAllowed ? *min <= *max : *min < *max));
    }
    for (const SettingsBox minBox : {MinFRanX, MinFRanY, MinRanX, MinRanY}) {
        const std::optional<WholeNumber> min = valueOf(minBox);
        const std::optional<WholeNumber> max = valueOf(PartnerOf(minBox));
        check(!min || !max || *max - *min >= WholeNumber(1000));
    }
}

class User {
  public:
    explicit User(FuzzedDataProvider& input) : input_(input) {}

    RandomSettings settings;
    std::optional<SettingsBox> focused;

    void act() {
        const SettingsBox box =
            SettingsBoxes()[input_.ConsumeIntegralInRange<std::size_t>(0, SettingsBoxCount - 1)];
        switch (input_.ConsumeIntegralInRange(0, 4)) {
        case 0:
            moveTo(box);
            for (const char key : input_.ConsumeRandomLengthString(24)) {
                if (KeepsTypedCharacter(static_cast<unsigned char>(key))) {
                    const std::string& text = TextOf(settings, box);
                    const std::size_t at =
                        input_.ConsumeIntegralInRange<std::size_t>(0, text.size());
                    change(box, text.substr(0, at) + key + text.substr(at));
                }
            }
            break;
        case 1:
            // Pasted over the whole text, spaces and all.
            moveTo(box);
            change(box, input_.ConsumeRandomLengthString(LongestText));
            break;
        case 2: {
            moveTo(box);
            const std::string& text = TextOf(settings, box);
            const std::size_t from = input_.ConsumeIntegralInRange<std::size_t>(0, text.size());
            change(box, text.substr(0, from));
            break;
        }
        case 3: {
            // Dropped without the focus moving.
            const std::string& text = TextOf(settings, box);
            const std::size_t at = input_.ConsumeIntegralInRange<std::size_t>(0, text.size());
            change(box, text.substr(0, at) + input_.ConsumeRandomLengthString(LongestText) +
                            text.substr(at));
            break;
        }
        default:
            leave();
            break;
        }
    }

    void leave() {
        if (focused) {
            LeaveBox(settings, *focused);
            focused.reset();
        }
    }

  private:
    void moveTo(SettingsBox box) {
        if (focused != box) {
            leave();
            focused = box;
        }
    }

    // The rule settles in at most three runs, on what the box ends up holding.
    void change(SettingsBox box, std::string text) {
        std::string expected = text;
        int writes = 0;
        if (expected != TextOf(settings, box)) {
            while (std::optional<std::string> write =
                       ChangeRule(box, expected, TextOf(settings, PartnerOf(box))).write) {
                expected = std::move(*write);
                check(++writes <= 2);
            }
        }
        SetBoxText(settings, box, std::move(text));
        check(TextOf(settings, box) == expected);
    }

    FuzzedDataProvider& input_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    User user(input);
    while (input.remaining_bytes() > 0) {
        user.act();
        checkValid(user.settings, user.focused);
    }
    user.leave();
    for (const SettingsBox box : SettingsBoxes()) {
        LeaveBox(user.settings, box);
    }
    checkValid(user.settings, std::nullopt);
    return 0;
}
