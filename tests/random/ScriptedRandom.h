#pragma once

#include "random/RandomSource.h"

#include <vector>

namespace forgeline::testing {

// The scripted values, then a seeded source's, counting those extra draws.
struct ScriptedRandom final : RandomSource {
    explicit ScriptedRandom(std::vector<double> values, std::uint64_t seed = 0)
        : values(std::move(values)), rest(seed) {}
    double next() override {
        return used < values.size() ? values[used++] : (++extra, rest.next());
    }
    bool exact() const { return used == values.size() && extra == 0; }

    std::vector<double> values;
    std::size_t used = 0, extra = 0;
    SeededRandom rest;
};

} // namespace forgeline::testing
