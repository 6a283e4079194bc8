// Reading and writing .sce files against the plainest loops over the same bytes: the ratio
// of the two is what bench/report prints.
#include "BenchScenarios.h"
#include "files/ScenarioSource.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

using forgeline::bench::RunFolder;
using forgeline::bench::ScenarioFileOf;
using forgeline::bench::ScenarioOf;

std::string pathOf(const char* what, long lines) {
    return RunFolder().file(std::string(what) + "-" + std::to_string(lines) + ".sce");
}

void BM_ReadScenarioSource(benchmark::State& state) {
    const std::string& path = ScenarioFileOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto read = forgeline::ReadScenarioSource(path);
        benchmark::DoNotOptimize(read);
    }
}

void BM_GetlineBaseline(benchmark::State& state) {
    const std::string& path = ScenarioFileOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) {
            lines.push_back(std::move(line));
        }
        benchmark::DoNotOptimize(lines);
    }
}

void BM_WriteScenarioSource(benchmark::State& state) {
    const auto source = ScenarioOf(static_cast<int>(state.range(0)));
    const std::string path = pathOf("write", state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(forgeline::WriteScenarioSource(path, source));
    }
}

void BM_FwriteBaseline(benchmark::State& state) {
    const auto source = ScenarioOf(static_cast<int>(state.range(0)));
    const std::string path = pathOf("fwrite", state.range(0));
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        const std::pair<const char*, const std::string*> labelled[] = {
            {"Name: ", &source.Title},
            {"Summary: ", &source.Summary},
            {"Description: ", &source.Description},
            {"Objective: ", &source.Objective}};
        for (const auto& [label, value] : labelled) {
            std::fputs(label, file);
            std::fwrite(value->data(), 1, value->size(), file);
            std::fputs("\r\n", file);
        }
        std::fputs("Code: <internal>\r\nForces: \r\n", file);
        for (const std::string& line : source.Forces) {
            std::fwrite(line.data(), 1, line.size(), file);
            std::fputs("\r\n", file);
        }
        std::fclose(file);
    }
}

} // namespace

BENCHMARK(BM_ReadScenarioSource)
    ->Arg(32767)
    ->Arg(200000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_GetlineBaseline)
    ->Arg(32767)
    ->Arg(200000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_WriteScenarioSource)
    ->Arg(32767)
    ->Arg(200000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_FwriteBaseline)->Arg(32767)->Arg(200000)->Unit(benchmark::kMillisecond)->UseRealTime();
