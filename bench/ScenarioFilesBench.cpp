// Reading and writing .sce files against the plainest loops over the same bytes: the ratio
// of the two is what bench/report prints.
#include "files/ScenarioSource.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

std::string benchPath(const char* what, long lines) {
    return "/tmp/forgeline-bench-" + std::to_string(::getpid()) + "-" + what + "-" +
           std::to_string(lines) + ".sce";
}

forgeline::ScenarioSource scenarioOf(long lines) {
    forgeline::ScenarioSource source{"Big", "A big fleet.", "Many ships.", "Win.", {}};
    source.Forces.reserve(static_cast<std::size_t>(lines));
    for (long i = 0; i < lines; ++i) {
        source.Forces.push_back("Klingon BC K" + std::to_string(i) + " " +
                                std::to_string(i % 50000 - 25000) + " -200 270 3 <internal> ()");
    }
    return source;
}

const std::string& fileOf(long lines) {
    static std::string path;
    static long made = -1;
    if (made != lines) {
        path = benchPath("read", lines);
        forgeline::WriteScenarioSource(path, scenarioOf(lines));
        made = lines;
    }
    return path;
}

void BM_ReadScenarioSource(benchmark::State& state) {
    const std::string& path = fileOf(state.range(0));
    for (auto _ : state) {
        auto read = forgeline::ReadScenarioSource(path);
        benchmark::DoNotOptimize(read);
    }
}

void BM_GetlineBaseline(benchmark::State& state) {
    const std::string& path = fileOf(state.range(0));
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
    const auto source = scenarioOf(state.range(0));
    const std::string path = benchPath("write", state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(forgeline::WriteScenarioSource(path, source));
    }
    std::remove(path.c_str());
}

void BM_FwriteBaseline(benchmark::State& state) {
    const auto source = scenarioOf(state.range(0));
    const std::string path = benchPath("fwrite", state.range(0));
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
    std::remove(path.c_str());
}

} // namespace

BENCHMARK(BM_ReadScenarioSource)->Arg(32767)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetlineBaseline)->Arg(32767)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteScenarioSource)->Arg(32767)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FwriteBaseline)->Arg(32767)->Arg(200000)->Unit(benchmark::kMillisecond);
