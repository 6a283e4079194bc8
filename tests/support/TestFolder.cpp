#include "TestFolder.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;

namespace forgeline::testing {
namespace {

// Paths are UTF-8 in Forgeline; the standard library's narrow paths are not on Windows.
fs::path pathOf(const std::string& text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

std::string textOf(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace

TestFolder::TestFolder() {
    static std::atomic<int> counter{0};
    std::random_device seed;
    const fs::path base = fs::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate =
            base / ("forgeline-test-" + std::to_string(seed()) + "-" + std::to_string(counter++));
        if (fs::create_directory(candidate)) {
            path_ = textOf(candidate);
            return;
        }
    }
    throw std::runtime_error("cannot make a test folder");
}

TestFolder::~TestFolder() {
    std::error_code ignored;
    fs::remove_all(pathOf(path_), ignored);
}

std::string TestFolder::file(const std::string& name) const {
    return textOf(pathOf(path_) / pathOf(name));
}

void TestFolder::write(const std::string& name, const std::string& bytes) const {
    std::ofstream(pathOf(file(name)), std::ios::binary) << bytes;
}

void TestFolder::writeHidden(const std::string& name, const std::string& bytes) const {
    write(name, bytes);
#ifdef _WIN32
    ::SetFileAttributesW(pathOf(file(name)).c_str(), FILE_ATTRIBUTE_HIDDEN);
#endif
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(pathOf(path), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string TestFolder::read(const std::string& name) const {
    return ReadWholeFile(file(name));
}

bool TestFolder::exists(const std::string& name) const {
    return fs::exists(pathOf(file(name)));
}

void TestFolder::makeFolder(const std::string& name) const {
    fs::create_directory(pathOf(file(name)));
}

void InstallProgram(const TestFolder& folder, const std::string& program, const std::string& name) {
    const fs::path installed = pathOf(folder.file(name));
    fs::copy_file(pathOf(program), installed, fs::copy_options::overwrite_existing);
    fs::permissions(installed, fs::perms::owner_all, fs::perm_options::add);
}

void InstallFakeProgram(const TestFolder& folder, const std::string& name) {
    InstallProgram(folder, FORGELINE_FAKE_PROGRAM, name);
}

void SetFakeCompilerDelay(const TestFolder& folder, std::chrono::milliseconds delay) {
    folder.write("fake-scene.delay", std::to_string(delay.count()));
}

void MakeFakeCompilerFail(const TestFolder& folder) {
    folder.write("fake-scene.fail", "");
}

bool WaitForFile(const TestFolder& folder, const std::string& name,
                 std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!folder.exists(name)) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

bool RemoveOnceFree(const TestFolder& folder, const std::string& name,
                    std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::error_code failed;
    while (fs::remove(pathOf(folder.file(name)), failed), failed) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

std::optional<FakeRecord> WaitForRecord(const TestFolder& folder, const std::string& name,
                                        std::chrono::milliseconds timeout) {
    const std::string record = name + ".record";
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    // Under Wine on a loaded machine the record has been seen whole only on a second look: it
    // counts once it names the working folder, which the fake writes first.
    std::string text;
    while (!folder.exists(record) || (text = folder.read(record)).find("cwd=") != 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    FakeRecord result;
    std::istringstream lines(text);
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
