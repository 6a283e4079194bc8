#pragma once

// The one place where Forgeline meets the operating system. Everything here has a POSIX and a
// Windows implementation; the rest of the program, windows included, goes through it.
//
// Paths and file names are UTF-8 text on every platform. Where the file system names files by
// bytes that are not all UTF-8 (POSIX), the layer carries them so that a name it lists is the
// name it opens, deletes and passes to a program.

#include "base/Result.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace forgeline::platform {

// The folder of the running executable, without a trailing separator unless it is a root.
std::string ProgramFolder();

// The arguments the program was started with, after its own name. Windows hands `argv` over
// in the ANSI code page, which turns a character it lacks into a look-alike or "?", so there
// they are read from the wide command line as UTF-8; elsewhere they are `argv`'s own bytes.
std::vector<std::string> ProgramArguments(int argc, char* argv[]);

// The separator of this platform's paths: "\" on Windows, "/" elsewhere.
char PathSeparator();

// The folder, one separator (none added when the folder already ends in one) and the name.
std::string JoinPath(std::string_view folder, std::string_view name);

// An ordinary file (not a folder) exists at the path.
bool FileExists(const std::string& path);

// A folder exists at the path.
bool FolderExists(const std::string& path);

// The path itself is a symbolic link (on Windows any reparse point), wherever it leads.
bool IsSymbolicLink(const std::string& path);

Status DeleteFile(const std::string& path);

// For tests: while a failure is set, every DeleteFile deletes nothing and fails with it. A
// process running as root can delete nearly anything, so no file set-up can provoke this.
void FailDeletesWith(std::optional<Failure> failure);

// For tests: while a failure is set, every OutputFile::write fails with it, as a full disk would
// make it fail.
void FailWritesWith(std::optional<Failure> failure);

// When the file's bytes were last written; nothing when that cannot be told (no such file).
std::optional<std::chrono::system_clock::time_point> LastWritten(const std::string& path);

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

// Opens a regular file; never waits, so a FIFO or a device is refused at once, as is a folder.
Result<std::unique_ptr<InputFile>> OpenForReading(const std::string& path);

// The process's standard input, read as raw bytes whatever it is (a pipe, a terminal, a file).
// It stays open for the process when the returned file is destroyed.
Result<std::unique_ptr<InputFile>> OpenStandardInput();

// What a write does with what stands at the path.
enum class WriteKind {
    // A file the user named: a link there is followed and its target replaced, the link kept.
    Document,
    // A file of the program's own at a name fixed in a folder of the user's: whatever link
    // is planted there is replaced itself and its target never touched, and the file is
    // readable by the user alone.
    Private,
};

// Starts writing a new file or a replacement for an existing one. Fails as opening the file
// for writing would: a missing folder, no permission, a read-only file; and refuses, touching
// nothing, to replace anything but a regular file. A document's replacement keeps the old
// file's attributes, and its owner and group as far as the process may give them. Temporary
// files of the same target that dead processes left behind are removed.
Result<std::unique_ptr<OutputFile>> CreateForWriting(const std::string& path,
                                                     WriteKind kind = WriteKind::Document);

// Removes every temporary file that writes of the target in the folder left behind, whichever
// process made them: for a target that no process writes any more.
void RemoveLeftoversOf(const std::string& folder, std::string_view targetName);

// An exclusive lock on a file, held for as long as the object lives, by this object alone: a
// second lock on the same file fails, in this process as in any other. The lock ends with its
// process, however that ends. Its end deletes the file.
class HeldLock {
  public:
    virtual ~HeldLock() = default;
};

// Takes the lock on the file at the path, creating the file when it is missing; never through
// a link planted at the path. Fails when someone holds it already.
Result<std::unique_ptr<HeldLock>> LockFile(const std::string& path);

// Someone, in this process or another, holds a lock taken by LockFile on the file.
bool FileIsLocked(const std::string& path);

// The failure of opening, replacing or reading something that is not a regular file or a
// folder: a FIFO, a device, a socket.
Failure NotARegularFileFailure();

// How long Wine may take to set a Windows program up before its start counts as failed: a
// cold start with a new prefix, as measured (bench/README.md), with room to spare.
inline constexpr std::chrono::milliseconds WineSetUpLimit{60'000};

// How a start waits for a program to be set up: at most the limit, calling the poll hook every
// few milliseconds meanwhile so the caller can keep its window painted.
struct StartWaiting {
    std::chrono::milliseconds limit = WineSetUpLimit;
    std::function<void()> poll;
};

// Starts the program at the path, detached, with the parameter string split into arguments the
// way a Windows program splits its command line, in the given working folder. A Windows
// executable is run through Wine where the platform cannot run it itself. Returns once the
// program has started, never waiting for it to end; a program Wine has not got running within
// the limit is ended and its start has failed. Where the platform starts the program itself,
// the start does not wait.
Status StartProgram(const std::string& programPath, std::string_view parameters,
                    const std::string& workingFolder, const StartWaiting& waiting = {});

// A process of that number is running (a zombie counts until it is reaped).
bool ProcessIsRunning(long processId);

void SleepMilliseconds(int milliseconds);

long CurrentProcessId();

// Makes the folder and every folder above it that is missing, for the user alone (on Windows
// the user's own folders keep others out already); a folder already there is fine and kept
// as it is.
Status CreateFolders(const std::string& path);

// 8-bit text of the files, in the ANSI code page (Windows-1252 where there is none), to and
// from UTF-8, the text of the rest of the program. Decoding never fails; encoding gives
// nothing when a character has no place in the code page.
std::string AnsiToUtf8(std::string_view bytes);
std::optional<std::string> Utf8ToAnsi(std::string_view text);

// The failure of reading past the last line of a file.
Failure EndOfFileFailure();

} // namespace forgeline::platform
