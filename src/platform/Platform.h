#pragma once

// The one place where Forgeline meets the operating system. Everything here has a POSIX and a
// Windows implementation; the rest of the program, windows included, goes through it.

#include "base/Result.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace forgeline::platform {

// The folder of the running executable, without a trailing separator unless it is a root.
std::string ProgramFolder();

// The separator of this platform's paths: "\" on Windows, "/" elsewhere.
char PathSeparator();

// The folder, one separator (none added when the folder already ends in one) and the name.
std::string JoinPath(std::string_view folder, std::string_view name);

// An ordinary file (not a folder) exists at the path.
bool FileExists(const std::string& path);

Status DeleteFile(const std::string& path);

// The name of the ordinary file in the folder that matches the name, letter case ignored
// where the file system itself tells letter cases apart.
std::optional<std::string> FindFileIgnoringCase(const std::string& folder, std::string_view name);

// Names of the ordinary, visible files in the folder that match a wildcard pattern ("*.sco",
// "*.*"), letter case of the pattern ignored, sorted by name, letter case ignored.
std::vector<std::string> ListFiles(const std::string& folder, std::string_view pattern);

// A file opened for reading raw bytes.
class InputFile {
  public:
    virtual ~InputFile() = default;
    // Bytes read into the buffer; 0 at the end of the file.
    virtual Result<std::size_t> read(char* buffer, std::size_t size) = 0;
};

// A file being written. Its bytes go to a temporary file beside it; close() puts them in
// place of the old file in one step, so a full disk or a killed process never leaves an old
// file half-written. Destroyed without a successful close, it leaves the old file as it was.
class OutputFile {
  public:
    virtual ~OutputFile() = default;
    virtual Status write(std::string_view bytes) = 0;
    // Flushes to disk and replaces the old file; a failure leaves the old file untouched.
    virtual Status close() = 0;
};

Result<std::unique_ptr<InputFile>> OpenForReading(const std::string& path);

// Starts writing a new file or a replacement for an existing one. Fails as opening the file
// for writing would: a missing folder, no permission, a read-only file.
Result<std::unique_ptr<OutputFile>> CreateForWriting(const std::string& path);

// Starts the program at the path, detached, with the parameter string split into arguments the
// way a Windows program splits its command line, in the given working folder. A Windows
// executable is run through Wine where the platform cannot run it itself. Returns once the
// program has started; never waits for it.
Status StartProgram(const std::string& programPath, std::string_view parameters,
                    const std::string& workingFolder);

void SleepMilliseconds(int milliseconds);

// 8-bit text of the files, in the ANSI code page (Windows-1252 where there is none), to and
// from UTF-8, the text of the rest of the program. Decoding never fails; encoding gives
// nothing when a character has no place in the code page.
std::string AnsiToUtf8(std::string_view bytes);
std::optional<std::string> Utf8ToAnsi(std::string_view text);

// The failure of reading past the last line of a file.
Failure EndOfFileFailure();

} // namespace forgeline::platform
