#include "random/SettingsRules.h"
#include "random/WholeNumber.h"

#include <gtest/gtest.h>
#include <random>

namespace forgeline {
namespace {

using enum SettingsBox;

// A user working through the boxes at random: typing, deleting, pasting, dropping text into
// a box that does not have the focus, and moving from box to box.
class RandomUser {
  public:
    explicit RandomUser(std::uint32_t seed) : random_(seed) {}

    RandomSettings settings;

    void act() {
        const SettingsBox box = SettingsBoxes()[pick(SettingsBoxCount)];
        switch (pick(6)) {
        case 0:
        case 1:
            moveTo(box);
            type(box, randomText(), pick(3) == 0);
            break;
        case 2:
            moveTo(box);
            if (const std::string& text = TextOf(settings, box); !text.empty()) {
                SetBoxText(settings, box, text.substr(0, text.size() - 1));
            }
            break;
        case 3:
            moveTo(box);
            SetBoxText(settings, box, "");
            break;
        case 4:
            // Pasted text arrives whole, spaces included.
            moveTo(box);
            SetBoxText(settings, box, randomText());
            break;
        default: {
            // Dropped text goes in without the focus moving, often into the partner of the box
            // being typed in.
            const SettingsBox target = focused_ && pick(2) == 0 ? PartnerOf(*focused_) : box;
            const std::string& text = TextOf(settings, target);
            const std::size_t at = pick(text.size() + 1);
            SetBoxText(settings, target, text.substr(0, at) + randomText() + text.substr(at));
            break;
        }
        }
    }

    void leave() {
        if (focused_) {
            LeaveBox(settings, *focused_);
            focused_.reset();
        }
    }

    std::optional<SettingsBox> focused() const { return focused_; }

  private:
    std::size_t pick(std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random_);
    }

    std::string randomText() {
        static const std::vector<std::string> pieces = {
            "0",      "1",     "2",
            "3",      "5",     "9",
            "10",     "20",    "25",
            "30",     "-",     "+",
            ".",      "E",     "e",
            " ",      "x",     "1E30",
            "1E308",  "-1E30", "25000",
            "-25000", "1000",  "2.5",
            "-0.5",   "999.9", "-99999999999999999999",
        };
        std::string text;
        for (std::size_t n = pick(4); n > 0; --n) {
            text += pieces[pick(pieces.size())];
        }
        return text;
    }

    void moveTo(SettingsBox box) {
        if (focused_ != box) {
            leave();
            focused_ = box;
        }
    }

    void type(SettingsBox box, const std::string& keys, bool replaceAll) {
        for (const char key : keys) {
            if (!KeepsTypedCharacter(static_cast<unsigned char>(key))) {
                continue;
            }
            const std::string before = replaceAll ? std::string() : TextOf(settings, box);
            replaceAll = false;
            SetBoxText(settings, box, before + key);
        }
    }

    std::mt19937 random_;
    std::optional<SettingsBox> focused_;
};

WholeNumber valueOf(const RandomSettings& settings, SettingsBox box) {
    return WholeNumber::FloorOf(TextOf(settings, box)).value();
}

bool isNumber(const RandomSettings& settings, SettingsBox box) {
    return WholeNumber::FloorOf(TextOf(settings, box)).has_value();
}

std::string describe(const RandomSettings& settings) {
    std::string text;
    for (SettingsBox box : SettingsBoxes()) {
        text += std::string(BoxName(box)) + "=\"" + TextOf(settings, box) + "\" ";
    }
    return text;
}

// Every pair whose boxes both hold numbers keeps its bounds and order; every box but the one
// with the focus holds a number.
void expectValid(const RandomSettings& settings, std::optional<SettingsBox> focused) {
    for (SettingsBox box : SettingsBoxes()) {
        if (box != focused) {
            ASSERT_TRUE(isNumber(settings, box)) << BoxName(box) << ": " << describe(settings);
        }
    }
    struct CountPair {
        SettingsBox min, max;
        int minLowest, minHighest, maxLowest, maxHighest;
        bool equalAllowed;
    };
    const CountPair counts[] = {
        {MinFr, MaxFr, 1, 9, 2, 10, false},
        {MinEn, MaxEn, 1, 29, 2, 30, false},
        {MinNat, MaxNat, 1, 3, 1, 3, true},
    };
    for (const CountPair& pair : counts) {
        const bool minSet = isNumber(settings, pair.min);
        const bool maxSet = isNumber(settings, pair.max);
        if (minSet) {
            const WholeNumber min = valueOf(settings, pair.min);
            ASSERT_TRUE(min >= WholeNumber(pair.minLowest) && min <= WholeNumber(pair.minHighest))
                << describe(settings);
        }
        if (maxSet) {
            const WholeNumber max = valueOf(settings, pair.max);
            ASSERT_TRUE(max >= WholeNumber(pair.maxLowest) && max <= WholeNumber(pair.maxHighest))
                << describe(settings);
        }
        if (minSet && maxSet) {
            const WholeNumber min = valueOf(settings, pair.min);
            const WholeNumber max = valueOf(settings, pair.max);
            ASSERT_TRUE(pair.equalAllowed ? min <= max : min < max) << describe(settings);
        }
    }
    for (SettingsBox min : {MinFRanX, MinFRanY, MinRanX, MinRanY}) {
        const SettingsBox max = PartnerOf(min);
        if (isNumber(settings, min) && isNumber(settings, max)) {
            ASSERT_GE(valueOf(settings, max) - valueOf(settings, min), WholeNumber(1000))
                << describe(settings);
        }
    }
}

TEST(SettingsRulesProperty, RandomTypingLeavesValidSettings) {
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        RandomUser user(seed);
        for (int step = 0; step < 40; ++step) {
            user.act();
            ASSERT_NO_FATAL_FAILURE(expectValid(user.settings, user.focused()))
                << "seed " << seed << " step " << step;
        }
        user.leave();
        ASSERT_NO_FATAL_FAILURE(expectValid(user.settings, std::nullopt)) << "seed " << seed;
    }
}

} // namespace
} // namespace forgeline
