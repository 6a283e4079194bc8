#pragma once

#include <cstdint>

namespace forgeline {

// Uniform values r with 0 <= r < 1.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};

// A reproducible source for a seed; the generator window seeds it once from the clock.
class SeededRandom final : public RandomSource {
  public:
    explicit SeededRandom(std::uint64_t seed);
    double next() override;

  private:
    std::uint64_t state_;
};

// A seed taken from the clock.
std::uint64_t ClockSeed();

} // namespace forgeline
