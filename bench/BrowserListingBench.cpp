// The browser listing a folder of compiled scenarios as it opens, against a plain read of
// the same folder.
#include "AnsweringDialogs.h"
#include "BenchScenarios.h"
#include "files/FolderToolchain.h"
#include "play/window/frmPlay.h"
#include "ui/LineList.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>

namespace {

using namespace forgeline;
using namespace forgeline::bench;

// A folder of `count` empty .sco files, made on first use.
const std::string& compiledFolderOf(int count) {
    static std::map<int, std::string> made;
    auto [at, added] = made.try_emplace(count, RunFolder().file("sco-" + std::to_string(count)));
    if (added) {
        std::filesystem::create_directory(at->second);
        for (int i = 0; i < count; ++i) {
            const std::string path = at->second + "/Patrol" + std::to_string(i) + ".sco";
            std::FILE* file = std::fopen(path.c_str(), "wb");
            if (file == nullptr) {
                throw std::runtime_error("cannot make " + path);
            }
            std::fclose(file);
        }
    }
    return at->second;
}

void BM_BrowserListing(benchmark::State& state) {
    const int files = static_cast<int>(state.range(0));
    const std::string& folder = compiledFolderOf(files);
    AnsweringDialogs dialogs;
    FolderToolchain toolchain(folder);
    for (auto _ : state) {
        auto browser = std::make_unique<frmPlay>(Services{folder, &toolchain, &dialogs, {}});
        state.PauseTiming();
        const int listed = browser->findChild<LineList*>(QStringLiteral("Scenarios"))->count();
        browser.reset();
        state.ResumeTiming();
        if (listed != files) {
            state.SkipWithError("the browser did not list every file");
            break;
        }
    }
}

void BM_DirectoryReadBaseline(benchmark::State& state) {
    const std::string& folder = compiledFolderOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.path().extension() == ".sco") {
                names.push_back(entry.path().filename().string());
            }
        }
        benchmark::DoNotOptimize(names);
    }
}

} // namespace

BENCHMARK(BM_BrowserListing)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DirectoryReadBaseline)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
