#pragma once

#include "platform/Platform.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace forgeline::testing {

// A fresh folder that is removed with everything in it when the test ends; it stands in for
// the program's folder.
class TestFolder {
  public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const;
    void write(const std::string& name, const std::string& bytes) const;
    // Writes a file hidden as the platform hides files: by its leading dot on POSIX, by the
    // attribute on Windows.
    void writeHidden(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const;
    void makeFolder(const std::string& name) const;

  private:
    std::string path_;
};

std::string ReadWholeFile(const std::string& path);

// Every delete fails with the failure while this lives.
struct FailingDeletes {
    explicit FailingDeletes(const Failure& failure) { platform::FailDeletesWith(failure); }
    ~FailingDeletes() { platform::FailDeletesWith(std::nullopt); }
    FailingDeletes(const FailingDeletes&) = delete;
    FailingDeletes& operator=(const FailingDeletes&) = delete;
};

// Every write fails with the failure while this lives, as on a full disk.
struct FailingWrites {
    explicit FailingWrites(const Failure& failure) { platform::FailWritesWith(failure); }
    ~FailingWrites() { platform::FailWritesWith(std::nullopt); }
    FailingWrites(const FailingWrites&) = delete;
    FailingWrites& operator=(const FailingWrites&) = delete;
};

// What a fake program recorded of one start.
struct FakeRecord {
    std::string workingFolder;
    std::vector<std::string> arguments;
};

// Copies the program at the path into the folder under the given name.
void InstallProgram(const TestFolder& folder, const std::string& program, const std::string& name);

// Copies the fake program into the folder under the given name ("scene", "Halvex.exe").
void InstallFakeProgram(const TestFolder& folder, const std::string& name);

// Makes the fake compiler take this long, or never compile.
void SetFakeCompilerDelay(const TestFolder& folder, std::chrono::milliseconds delay);
void MakeFakeCompilerFail(const TestFolder& folder);

// Whether the file appears in the folder within the timeout.
bool WaitForFile(const TestFolder& folder, const std::string& name,
                 std::chrono::milliseconds timeout = std::chrono::seconds(10));

// Removes the file, waiting up to the timeout while it is in use: Windows refuses to remove the
// program of a process that is still ending. Whether it is gone.
bool RemoveOnceFree(const TestFolder& folder, const std::string& name,
                    std::chrono::milliseconds timeout = std::chrono::seconds(10));

// The record the fake program of that name left, waiting for it up to the timeout.
std::optional<FakeRecord>
WaitForRecord(const TestFolder& folder, const std::string& name,
              std::chrono::milliseconds timeout = std::chrono::seconds(10));

} // namespace forgeline::testing
