#include "TestFolder.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace fs = std::filesystem;

namespace forgeline::testing {

TestFolder::TestFolder() {
    static std::atomic<int> counter{0};
    std::random_device seed;
    const fs::path base = fs::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate =
            base / ("forgeline-test-" + std::to_string(seed()) + "-" + std::to_string(counter++));
        if (fs::create_directory(candidate)) {
            path_ = candidate.string();
            return;
        }
    }
    throw std::runtime_error("cannot make a test folder");
}

TestFolder::~TestFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::string TestFolder::file(const std::string& name) const {
    return (fs::path(path_) / name).string();
}

void TestFolder::write(const std::string& name, const std::string& bytes) const {
    std::ofstream(file(name), std::ios::binary) << bytes;
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string TestFolder::read(const std::string& name) const {
    return ReadWholeFile(file(name));
}

bool TestFolder::exists(const std::string& name) const {
    return fs::exists(file(name));
}

void TestFolder::makeFolder(const std::string& name) const {
    fs::create_directory(file(name));
}

void InstallFakeProgram(const TestFolder& folder, const std::string& name) {
    fs::copy_file(FORGELINE_FAKE_PROGRAM, folder.file(name), fs::copy_options::overwrite_existing);
    fs::permissions(folder.file(name), fs::perms::owner_all, fs::perm_options::add);
}

void SetFakeCompilerDelay(const TestFolder& folder, std::chrono::milliseconds delay) {
    folder.write("fake-scene.delay", std::to_string(delay.count()));
}

void MakeFakeCompilerFail(const TestFolder& folder) {
    folder.write("fake-scene.fail", "");
}

std::optional<FakeRecord> WaitForRecord(const TestFolder& folder, const std::string& name,
                                        std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    const std::string record = name + ".record";
    while (!folder.exists(record)) {
        if (std::chrono::steady_clock::now() > deadline) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    FakeRecord result;
    std::istringstream lines(folder.read(record));
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("cwd=", 0) == 0) {
            result.workingFolder = line.substr(4);
        } else if (line.rfind("arg=", 0) == 0) {
            result.arguments.push_back(line.substr(4));
        }
    }
    return result;
}

} // namespace forgeline::testing
