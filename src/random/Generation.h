#pragma once

#include "random/RandomSettings.h"
#include "random/RandomSource.h"

#include <string>
#include <vector>

namespace forgeline {

// The player's nation and class are chosen and the name is not empty.
bool IsPlayerShipComplete(const RandomSettings& settings);

// The player's own force line: a random start within the friendly area (both ends included)
// or 0 0, then a drawn heading and warp.
std::string AddPlayerShip(const RandomSettings& settings, RandomSource& random);

// The most lines a generated fleet holds.
inline constexpr int MaxFleetLines = 30;

// A whole random fleet for complete settings: the player's line first, then friendly and
// enemy ships, repeated names cleaned up. The draws come in a fixed order, so a seed
// reproduces a fleet. A player nation outside the catalogue gives the player's line alone.
std::vector<std::string> GenerateForces(const RandomSettings& settings, RandomSource& random);

// The fleet as drawn, before the clean-up: GenerateForces is CleanUpNames of it.
std::vector<std::string> DrawForces(const RandomSettings& settings, RandomSource& random);

// Drops later lines that carry the first line's name, and of each repeated name keeps only
// the last line; the order of what stays is kept.
std::vector<std::string> CleanUpNames(std::vector<std::string> lines);

// The generator's names for a nation code, in their fixed order; empty for other codes.
const std::vector<std::string>& NamePool(int nationCode);

} // namespace forgeline
