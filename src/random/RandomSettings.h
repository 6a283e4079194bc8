#pragma once

#include <string>

namespace forgeline {

// The generator's settings as its boxes hold them at the moment of generation.
struct RandomSettings {
    std::string MinFr = "1", MaxFr = "10";
    std::string MinFRanX = "-25000", MaxFRanX = "25000";
    std::string MinFRanY = "-25000", MaxFRanY = "25000";
    std::string MinNat = "1", MaxNat = "3";
    std::string MinEn = "1", MaxEn = "20";
    std::string MinRanX = "-25000", MaxRanX = "25000";
    std::string MinRanY = "-25000", MaxRanY = "25000";

    // The selected position of the player's nation (0 to 3) and class; -1 when none.
    int playerNationCode = -1;
    int playerClassPosition = -1;
    // The shown texts of the player's nation, class and name boxes.
    std::string playerNation;
    std::string playerClass;
    std::string playerName;
    bool randomStart = false;
};

} // namespace forgeline
