// Generation from any settings the generator's rules let through, with any random values: at most
// 30 lines, the player's line first and as set, every line of nine pieces with whole numbers in
// their areas, ships of the catalogue, and no name twice.
#include "FuzzCheck.h"
#include "model/ForceLine.h"
#include "model/ShipCatalogue.h"
#include "random/Draws.h"
#include "random/Generation.h"
#include "random/PlayerShipRules.h"
#include "random/SettingsRules.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace forgeline::fuzz;
using namespace forgeline;

// Values from the input while it lasts, then from a seed it gave.
class InputRandom final : public RandomSource {
  public:
    InputRandom(const std::uint8_t* data, std::size_t size, std::uint64_t seed)
        : input_(data, size), rest_(seed) {}

    double next() override {
        if (input_.remaining_bytes() >= sizeof(std::uint64_t)) {
            return static_cast<double>(input_.ConsumeIntegral<std::uint64_t>() >> 11) * 0x1.0p-53;
        }
        return rest_.next();
    }

  private:
    FuzzedDataProvider input_;
    SeededRandom rest_;
};

RandomSettings settingsFrom(FuzzedDataProvider& input) {
    RandomSettings settings;
    for (int changes = input.ConsumeIntegralInRange(0, 8); changes > 0; --changes) {
        const SettingsBox box =
            SettingsBoxes()[input.ConsumeIntegralInRange<std::size_t>(0, SettingsBoxCount - 1)];
        SetBoxText(settings, box, input.ConsumeRandomLengthString(LongestText));
        LeaveBox(settings, box);
    }
    for (const SettingsBox box : SettingsBoxes()) {
        LeaveBox(settings, box);
    }
    const int nation = input.ConsumeIntegralInRange(0, 3);
    const std::vector<std::string>& classes = ClassesForNation(nation);
    const auto shipClass = input.ConsumeIntegralInRange<std::size_t>(0, classes.size() - 1);
    settings.playerNationCode = nation;
    settings.playerNation = NationEntries()[static_cast<std::size_t>(nation)];
    settings.playerClassPosition = static_cast<int>(shipClass);
    settings.playerClass = classes[shipClass];
    // Spaces never reach the name box; an empty one takes its placeholder back.
    std::string name = input.ConsumeRandomLengthString(24);
    std::erase(name, ' ');
    settings.playerName = name.empty() ? ShipNamePlaceholder : name;
    settings.randomStart = input.ConsumeBool();
    return settings;
}

// A coordinate drawn as Int((max - min + extra) * r + min).
void checkDrawn(const std::string& text, const std::string& minText, const std::string& maxText,
                double extra) {
    check(isWholeText(text));
    const double value = std::strtod(text.c_str(), nullptr);
    const double min = SettingValue(minText);
    const double end = SettingValue(maxText) + extra;
    check(value >= std::floor(min));
    check(min < end ? value < end : value == std::floor(min));
}

bool drawable(const std::vector<std::string>& list, const std::string& entry) {
    return std::find(list.begin(), list.end() - 1, entry) != list.end() - 1;
}

int nationCodeOf(const std::string& name) {
    for (const Nation& nation : Nations()) {
        if (nation.name == name) {
            return nation.code;
        }
    }
    return -1;
}

void checkFleet(const RandomSettings& settings, const std::vector<std::string>& fleet) {
    check(!fleet.empty() && fleet.size() <= static_cast<std::size_t>(MaxFleetLines));
    std::set<std::string> names;
    bool friendly = true;
    for (std::size_t i = 0; i < fleet.size(); ++i) {
        const std::vector<std::string> pieces = SplitForceLine(fleet[i]);
        check(pieces.size() == 9 && pieces[8] == "()");
        check(names.insert(pieces[2]).second);
        const int heading = std::atoi(pieces[5].c_str());
        const int warp = std::atoi(pieces[6].c_str());
        check(isWholeText(pieces[5]) && heading >= 0 && heading <= 360);
        check(isWholeText(pieces[6]) && warp >= 0 && warp <= 3);
        if (i == 0) {
            check(pieces[0] == settings.playerNation && pieces[1] == settings.playerClass &&
                  pieces[2] == settings.playerName && pieces[7] == PlayerMarker);
            if (settings.randomStart) {
                checkDrawn(pieces[3], settings.MinFRanX, settings.MaxFRanX, 1);
                checkDrawn(pieces[4], settings.MinFRanY, settings.MaxFRanY, 1);
            } else {
                check(pieces[3] == "0" && pieces[4] == "0");
            }
            continue;
        }
        const int nation = nationCodeOf(pieces[0]);
        check(nation >= 0 && pieces[7] == InternalMarker);
        check(drawable(ClassesForNation(nation), pieces[1]));
        check(drawable(NamePool(nation), pieces[2]));
        // Friendly ships first, then enemies, never of the player's nation.
        friendly = friendly && nation == settings.playerNationCode;
        check(friendly == (nation == settings.playerNationCode));
        if (friendly) {
            checkDrawn(pieces[3], settings.MinFRanX, settings.MaxFRanX, 0);
            checkDrawn(pieces[4], settings.MinFRanY, settings.MaxFRanY, 0);
        } else {
            checkDrawn(pieces[3], settings.MinRanX, settings.MaxRanX, 0);
            checkDrawn(pieces[4], settings.MinRanY, settings.MaxRanY, 0);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const RandomSettings settings = settingsFrom(input);
    const std::uint64_t seed = input.ConsumeIntegral<std::uint64_t>();
    const std::vector<std::uint8_t> draws = input.ConsumeRemainingBytes<std::uint8_t>();

    InputRandom random(draws.data(), draws.size(), seed);
    const std::vector<std::string> fleet = GenerateForces(settings, random);
    checkFleet(settings, fleet);

    InputRandom again(draws.data(), draws.size(), seed);
    const std::vector<std::string> drawn = DrawForces(settings, again);
    check(drawn.size() <= static_cast<std::size_t>(MaxFleetLines));
    check(CleanUpNames(drawn) == fleet);
    return 0;
}
