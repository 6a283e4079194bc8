// The tactical map showing and drawing a huge fleet, against parsing the same lines alone.
#include "BenchScenarios.h"
#include "PaintWatch.h"
#include "map/MapShips.h"
#include "map/window/TacticalMap.h"
#include "ui/Text.h"

#include <QPixmap>
#include <benchmark/benchmark.h>

namespace {

using namespace forgeline;
using namespace forgeline::bench;

void BM_TacticalMapDraw(benchmark::State& state) {
    const QStringList lines = FromCore(ForceLinesOf(static_cast<int>(state.range(0))));
    TacticalMap map;
    const PaintWatch watch(&map);
    map.show();
    watch.waitFor(0, [] { return true; });
    for (auto _ : state) {
        map.showLines(lines, -1);
        QPixmap drawn = map.grab();
        benchmark::DoNotOptimize(drawn);
    }
}

void BM_MapParseBaseline(benchmark::State& state) {
    const std::vector<std::string> lines = ForceLinesOf(static_cast<int>(state.range(0)));
    if (ShipsForMap(lines).ships.size() != lines.size()) {
        state.SkipWithError("not every line is a ship on the map");
        return;
    }
    for (auto _ : state) {
        MapShips ships = ShipsForMap(lines);
        benchmark::DoNotOptimize(ships);
    }
}

} // namespace

BENCHMARK(BM_TacticalMapDraw)->Arg(30000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MapParseBaseline)->Arg(30000)->Unit(benchmark::kMillisecond)->UseRealTime();
