// Any bytes as a .sce file: the reader never faults, and what it reads writes back and reads
// again to the same values whenever the writer accepts them.
#include "files/ScenarioSource.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// A memory-backed folder where there is one: the writer flushes every file to disk.
std::string tempPath(const char* what) {
    const char* folder = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return std::string(folder) + "/forgeline-fuzz-" + std::to_string(::getpid()) + "-" + what +
           ".sce";
}

// The two files of a run, removed when the fuzzer exits.
struct TemporaryFiles {
    std::string input = tempPath("in");
    std::string again = tempPath("again");
    ~TemporaryFiles() {
        ::unlink(input.c_str());
        ::unlink(again.c_str());
    }
};

void writeBytes(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::abort();
    }
    std::fwrite(data, 1, size, file);
    std::fclose(file);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TemporaryFiles files;
    const std::string& input = files.input;
    const std::string& again = files.again;
    writeBytes(input, data, size);
    const forgeline::ScenarioRead read = forgeline::ReadScenarioSource(input);
    if (read.headerValuesRead > 4 || (read.failure && read.headerValuesRead == 4 &&
                                      !read.source.Forces.empty() && read.failure->code == 62)) {
        std::abort();
    }
    if (!read.failure && forgeline::WriteScenarioSource(again, read.source)) {
        const forgeline::ScenarioRead reread = forgeline::ReadScenarioSource(again);
        // Labels inside values are the one thing a round trip may change.
        if (reread.failure || reread.source.Forces != read.source.Forces) {
            std::abort();
        }
    }
    return 0;
}
