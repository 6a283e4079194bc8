#pragma once

#include "random/RandomSource.h"

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <vector>

namespace forgeline::testing {

// Gives the scripted values in order, then either goes on with a seeded source or, without
// one, throws so that a draw too many fails the test instead of passing by chance.
class ScriptedRandom final : public RandomSource {
  public:
    explicit ScriptedRandom(std::vector<double> values,
                            std::optional<std::uint64_t> thenSeed = std::nullopt)
        : values_(std::move(values)) {
        if (thenSeed) {
            rest_.emplace(*thenSeed);
        }
    }

    double next() override {
        if (used_ < values_.size()) {
            return values_[used_++];
        }
        if (rest_) {
            return rest_->next();
        }
        throw std::out_of_range("more draws than the script holds");
    }

    std::size_t unused() const { return values_.size() - used_; }

  private:
    std::vector<double> values_;
    std::size_t used_ = 0;
    std::optional<SeededRandom> rest_;
};

} // namespace forgeline::testing
