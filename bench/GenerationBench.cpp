// Random fleets from the default settings and a complete player ship, as fast as the core
// draws them; bench/report turns the time per fleet into fleets per second.
#include "model/ShipCatalogue.h"
#include "random/Generation.h"

#include <benchmark/benchmark.h>

namespace {

forgeline::RandomSettings defaultsWithPlayer() {
    forgeline::RandomSettings settings;
    settings.playerNationCode = 0;
    settings.playerClassPosition = 1;
    settings.playerNation = forgeline::Nations()[0].name;
    settings.playerClass = forgeline::ClassesForNation(0)[1];
    settings.playerName = "Hornet";
    return settings;
}

void BM_GenerateForces(benchmark::State& state) {
    const forgeline::RandomSettings settings = defaultsWithPlayer();
    forgeline::SeededRandom random(20240601);
    for (auto _ : state) {
        auto fleet = forgeline::GenerateForces(settings, random);
        benchmark::DoNotOptimize(fleet);
    }
}

} // namespace

BENCHMARK(BM_GenerateForces)->Unit(benchmark::kMicrosecond)->UseRealTime();
