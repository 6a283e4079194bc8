#include "random/RandomSource.h"

#include <chrono>

namespace forgeline {

SeededRandom::SeededRandom(std::uint64_t seed) : state_(seed) {}

double SeededRandom::next() {
    // splitmix64: one addition and a mix per value, and every seed gives a full-period stream.
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    // The top 53 bits fill a double's mantissa exactly, so the largest value is 1 - 2^-53.
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

std::uint64_t ClockSeed() {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

} // namespace forgeline
