#include "platform/FailureSeams.h"
#include "platform/Platform.h"
#include "platform/TemporaryName.h"
#include "platform/Wildcard.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

// windows.h renames DeleteFile to DeleteFileW; the platform's own function keeps its name.
#undef DeleteFile

#include <algorithm>
#include <cwctype>

namespace forgeline::platform {
namespace {

std::wstring toWide(std::string_view text, UINT codePage, DWORD flags) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length = ::MultiByteToWideChar(codePage, flags, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(codePage, flags, text.data(), size, wide.data(), length);
    return wide;
}

std::string toUtf8(std::wstring_view wide) {
    if (wide.empty()) {
        return {};
    }
    const int size = static_cast<int>(wide.size());
    const int length =
        ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
    return text;
}

// Paths are UTF-8 in the program and UTF-16 at the API. Text that is not UTF-8 at all gives
// nothing rather than a different path.
std::optional<std::wstring> widePath(const std::string& path) {
    std::wstring wide = toWide(path, CP_UTF8, MB_ERR_INVALID_CHARS);
    if (wide.empty() && !path.empty()) {
        return std::nullopt;
    }
    return wide;
}

// Windows' own text for the code, as the user would see it anywhere else on the system, less
// the full stop and line end it comes with: messages put their own punctuation after it.
Failure systemFailure(DWORD code) {
    wchar_t* message = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    std::wstring description(message != nullptr ? message : L"", length);
    ::LocalFree(message);
    while (!description.empty() &&
           (std::iswspace(description.back()) || description.back() == L'.')) {
        description.pop_back();
    }
    if (description.empty()) {
        return {static_cast<long>(code), "Unknown error " + std::to_string(code)};
    }
    return {static_cast<long>(code), toUtf8(description)};
}

Failure lastFailure() {
    return systemFailure(::GetLastError());
}

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

// A device (CON, NUL, COM1) opens as a file does; only a disk file is one.
bool isDiskFile(HANDLE handle) {
    return ::GetFileType(handle) == FILE_TYPE_DISK;
}

class WindowsInputFile final : public InputFile {
  public:
    explicit WindowsInputFile(HANDLE handle) : handle_(handle) {}
    ~WindowsInputFile() override { ::CloseHandle(handle_); }
    WindowsInputFile(const WindowsInputFile&) = delete;
    WindowsInputFile& operator=(const WindowsInputFile&) = delete;

    Result<std::size_t> read(char* buffer, std::size_t size) override {
        DWORD got = 0;
        const auto wanted = static_cast<DWORD>(std::min<std::size_t>(size, MAXDWORD));
        if (!::ReadFile(handle_, buffer, wanted, &got, nullptr)) {
            // A pipe whose writer has closed it has ended, as a file ends.
            if (::GetLastError() == ERROR_BROKEN_PIPE) {
                return std::size_t{0};
            }
            return lastFailure();
        }
        return static_cast<std::size_t>(got);
    }

  private:
    HANDLE handle_;
};

class WindowsOutputFile final : public OutputFile {
  public:
    // The attributes are the old file's, given to its replacement; none for a new file.
    WindowsOutputFile(HANDLE handle, std::wstring temporary, std::wstring target, DWORD attributes)
        : handle_(handle), temporary_(std::move(temporary)), target_(std::move(target)),
          attributes_(attributes) {}
    ~WindowsOutputFile() override { discard(); }
    WindowsOutputFile(const WindowsOutputFile&) = delete;
    WindowsOutputFile& operator=(const WindowsOutputFile&) = delete;

    Status write(std::string_view bytes) override {
        if (auto forced = ForcedWriteFailure()) {
            return *forced;
        }
        while (!bytes.empty()) {
            DWORD put = 0;
            const auto size = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), MAXDWORD));
            if (!::WriteFile(handle_, bytes.data(), size, &put, nullptr)) {
                return lastFailure();
            }
            bytes.remove_prefix(put);
        }
        return {};
    }

    Status close() override {
        if (!::FlushFileBuffers(handle_)) {
            const Failure failure = lastFailure();
            discard();
            return failure;
        }
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        const bool placed = ::CloseHandle(handle) &&
                            (attributes_ == INVALID_FILE_ATTRIBUTES ||
                             ::SetFileAttributesW(temporary_.c_str(), attributes_)) &&
                            ::MoveFileExW(temporary_.c_str(), target_.c_str(),
                                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        if (!placed) {
            const Failure failure = lastFailure();
            discard();
            return failure;
        }
        temporary_.clear();
        return {};
    }

  private:
    void discard() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            ::CloseHandle(handle_);
            handle_ = INVALID_HANDLE_VALUE;
        }
        if (!temporary_.empty()) {
            ::DeleteFileW(temporary_.c_str());
            temporary_.clear();
        }
    }

    HANDLE handle_;
    std::wstring temporary_;
    std::wstring target_;
    DWORD attributes_;
};

// Calls the visitor with every entry of the folder, "." and ".." left out.
template <typename Visit> void forEachEntry(const std::string& folder, Visit visit) {
    const auto pattern = widePath(JoinPath(folder.empty() ? "." : folder, "*"));
    if (!pattern) {
        return;
    }
    WIN32_FIND_DATAW entry{};
    const HANDLE search = ::FindFirstFileExW(pattern->c_str(), FindExInfoBasic, &entry,
                                             FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const std::wstring_view name(entry.cFileName);
        if (name != L"." && name != L"..") {
            visit(entry);
        }
    } while (::FindNextFileW(search, &entry));
    ::FindClose(search);
}

// Temporary files of the target in the folder (given with its separator) whose owner the
// predicate calls dead.
template <typename Dead>
void removeLeftovers(const std::string& folder, std::string_view targetName, Dead dead) {
    forEachEntry(folder, [&](const WIN32_FIND_DATAW& entry) {
        const auto owner = TemporaryFileOwner(toUtf8(entry.cFileName), targetName);
        if (owner && dead(*owner)) {
            ::DeleteFileW((*widePath(folder) + entry.cFileName).c_str());
        }
    });
}

// The handle was opened without FILE_SHARE_DELETE, so no one deletes or renames the file
// while the lock is held; it goes once the handle is closed.
class WindowsLock final : public HeldLock {
  public:
    WindowsLock(HANDLE handle, std::wstring path) : handle_(handle), path_(std::move(path)) {}
    ~WindowsLock() override {
        ::CloseHandle(handle_);
        ::DeleteFileW(path_.c_str());
    }
    WindowsLock(const WindowsLock&) = delete;
    WindowsLock& operator=(const WindowsLock&) = delete;

  private:
    HANDLE handle_;
    std::wstring path_;
};

bool isReparsePoint(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION information{};
    return ::GetFileInformationByHandle(handle, &information) &&
           (information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

bool lockWhole(HANDLE handle) {
    OVERLAPPED at{};
    return ::LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at);
}

} // namespace

std::vector<std::string> ProgramArguments(int argc, char* argv[]) {
    int count = 0;
    LPWSTR* const wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    if (wide == nullptr) {
        for (int i = 1; i < argc; ++i) {
            arguments.push_back(AnsiToUtf8(argv[i]));
        }
        return arguments;
    }
    for (int i = 1; i < count; ++i) {
        arguments.push_back(toUtf8(wide[i]));
    }
    ::LocalFree(wide);
    return arguments;
}

std::string ProgramFolder() {
    std::wstring buffer(MAX_PATH, L'\0');
    while (true) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return ".";
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    const std::string path = toUtf8(buffer);
    const std::size_t last = path.find_last_of("\\/");
    if (last == std::string::npos) {
        return ".";
    }
    // "C:\Forgeline.exe" lies in the root "C:\", which keeps its separator.
    const bool root = last == 0 || (last == 2 && path[1] == ':');
    return path.substr(0, root ? last + 1 : last);
}

char PathSeparator() {
    return '\\';
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (path.empty() || !isSeparator(path.back())) {
        path += PathSeparator();
    }
    path += name;
    return path;
}

bool FileExists(const std::string& path) {
    const auto wide = widePath(path);
    if (!wide) {
        return false;
    }
    const DWORD attributes = ::GetFileAttributesW(wide->c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool FolderExists(const std::string& path) {
    const auto wide = widePath(path);
    if (!wide) {
        return false;
    }
    const DWORD attributes = ::GetFileAttributesW(wide->c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsSymbolicLink(const std::string& path) {
    const auto wide = widePath(path);
    if (!wide) {
        return false;
    }
    const DWORD attributes = ::GetFileAttributesW(wide->c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

Status DeleteFile(const std::string& path) {
    if (auto forced = ForcedDeleteFailure()) {
        return *forced;
    }
    const auto wide = widePath(path);
    if (!wide) {
        return systemFailure(ERROR_NO_UNICODE_TRANSLATION);
    }
    if (!::DeleteFileW(wide->c_str())) {
        return lastFailure();
    }
    return {};
}

std::optional<std::string> FindFileIgnoringCase(const std::string& folder, std::string_view name) {
    // The file system ignores letter case itself; the search only tells the name as stored.
    if (name.empty() || name.find_first_of("*?") != std::string_view::npos) {
        return std::nullopt;
    }
    const auto wide = widePath(JoinPath(folder, name));
    if (!wide) {
        return std::nullopt;
    }
    WIN32_FIND_DATAW entry{};
    const HANDLE search = ::FindFirstFileExW(wide->c_str(), FindExInfoBasic, &entry,
                                             FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    ::FindClose(search);
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return std::nullopt;
    }
    return toUtf8(entry.cFileName);
}

std::vector<std::string> ListFiles(const std::string& folder, std::string_view pattern) {
    constexpr DWORD NotListed =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    std::vector<std::string> names;
    // The pattern is matched here rather than by the search, which would also match the short
    // 8.3 names ("*.sco" finding "Long.scox").
    forEachEntry(folder, [&](const WIN32_FIND_DATAW& entry) {
        if ((entry.dwFileAttributes & NotListed) != 0) {
            return;
        }
        std::string name = toUtf8(entry.cFileName);
        if (MatchesWildcard(name, pattern)) {
            names.push_back(std::move(name));
        }
    });
    SortNamesIgnoringCase(names);
    return names;
}

std::optional<std::chrono::system_clock::time_point> LastWritten(const std::string& path) {
    const auto wide = widePath(path);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!wide || !::GetFileAttributesExW(wide->c_str(), GetFileExInfoStandard, &data)) {
        return std::nullopt;
    }
    // A FILETIME counts tenths of microseconds since 1601.
    using Ticks = std::chrono::duration<long long, std::ratio<1, 10'000'000>>;
    constexpr long long TicksBefore1970 = 116'444'736'000'000'000LL;
    const long long ticks = (static_cast<long long>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                            data.ftLastWriteTime.dwLowDateTime;
    return std::chrono::system_clock::time_point(
        std::chrono::duration_cast<std::chrono::system_clock::duration>(
            Ticks(ticks - TicksBefore1970)));
}

Result<std::unique_ptr<InputFile>> OpenForReading(const std::string& path) {
    const auto wide = widePath(path);
    if (!wide) {
        return systemFailure(ERROR_NO_UNICODE_TRANSLATION);
    }
    const HANDLE handle =
        ::CreateFileW(wide->c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return lastFailure();
    }
    if (!isDiskFile(handle)) {
        ::CloseHandle(handle);
        return NotARegularFileFailure();
    }
    return std::unique_ptr<InputFile>(std::make_unique<WindowsInputFile>(handle));
}

Result<std::unique_ptr<InputFile>> OpenStandardInput() {
    const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    if (input == nullptr || input == INVALID_HANDLE_VALUE) {
        return systemFailure(ERROR_INVALID_HANDLE);
    }
    HANDLE own = nullptr;
    if (!::DuplicateHandle(::GetCurrentProcess(), input, ::GetCurrentProcess(), &own, 0, FALSE,
                           DUPLICATE_SAME_ACCESS)) {
        return lastFailure();
    }
    return std::unique_ptr<InputFile>(std::make_unique<WindowsInputFile>(own));
}

Result<std::unique_ptr<OutputFile>> CreateForWriting(const std::string& path, WriteKind kind) {
    const bool document = kind == WriteKind::Document;
    const auto target = widePath(path);
    if (!target) {
        return systemFailure(ERROR_NO_UNICODE_TRANSLATION);
    }
    // Opening the old file for writing, without changing it, fails as writing it would: a
    // folder, a read-only or locked file, no permission, a missing folder.
    // A private file's name is opened itself, a link planted there included, which the move
    // at the end replaces.
    const HANDLE old = ::CreateFileW(
        target->c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING,
        FILE_ATTRIBUTE_NORMAL | (document ? 0 : FILE_FLAG_OPEN_REPARSE_POINT), nullptr);
    DWORD attributes = INVALID_FILE_ATTRIBUTES;
    if (old != INVALID_HANDLE_VALUE) {
        const bool diskFile = isDiskFile(old);
        if (document) {
            attributes = ::GetFileAttributesW(target->c_str());
        }
        ::CloseHandle(old);
        if (!diskFile) {
            return NotARegularFileFailure();
        }
    } else if (const DWORD error = ::GetLastError(); error != ERROR_FILE_NOT_FOUND) {
        return systemFailure(error);
    }
    const std::size_t last = path.find_last_of("\\/");
    const std::string folder = last == std::string::npos ? "" : path.substr(0, last + 1);
    const std::string name = path.substr(folder.size());
    removeLeftovers(folder, name, [](long owner) { return !ProcessIsRunning(owner); });
    const std::wstring wideFolder = *widePath(folder);
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        std::wstring temporary =
            wideFolder + *widePath(TemporaryName(name, ::GetCurrentProcessId(), attempt));
        const HANDLE handle = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr,
                                            CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            return std::unique_ptr<OutputFile>(std::make_unique<WindowsOutputFile>(
                handle, std::move(temporary), *target, attributes));
        }
        if (::GetLastError() != ERROR_FILE_EXISTS) {
            return lastFailure();
        }
    }
    return systemFailure(ERROR_FILE_EXISTS);
}

void RemoveLeftoversOf(const std::string& folder, std::string_view targetName) {
    removeLeftovers(JoinPath(folder, ""), targetName, [](long) { return true; });
}

Result<std::unique_ptr<HeldLock>> LockFile(const std::string& path) {
    const auto wide = widePath(path);
    if (!wide) {
        return systemFailure(ERROR_NO_UNICODE_TRANSLATION);
    }
    const HANDLE handle = ::CreateFileW(
        wide->c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return lastFailure();
    }
    if (!isDiskFile(handle) || isReparsePoint(handle)) {
        ::CloseHandle(handle);
        return NotARegularFileFailure();
    }
    if (!lockWhole(handle)) {
        const Failure failure = lastFailure();
        ::CloseHandle(handle);
        return failure;
    }
    return std::unique_ptr<HeldLock>(std::make_unique<WindowsLock>(handle, *wide));
}

bool FileIsLocked(const std::string& path) {
    const auto wide = widePath(path);
    if (!wide) {
        return false;
    }
    const HANDLE handle = ::CreateFileW(
        wide->c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return ::GetLastError() == ERROR_SHARING_VIOLATION;
    }
    // A lock this takes ends with the handle.
    const bool locked = !lockWhole(handle);
    ::CloseHandle(handle);
    return locked;
}

// CreateProcessW rather than ShellExecuteW: the program is the one at the path, never one that a
// search for a bare name finds first; a failure comes back as a system error code with its text
// instead of a dialog; and the program sees the same command line, its quoted path followed by
// the parameter string as given, leading space included.
Status StartProgram(const std::string& programPath, std::string_view parameters,
                    const std::string& workingFolder, const StartWaiting&) {
    const auto program = widePath(programPath);
    const auto folder = widePath(workingFolder);
    const auto arguments = widePath(std::string(parameters));
    if (!program || !folder || !arguments) {
        return systemFailure(ERROR_NO_UNICODE_TRANSLATION);
    }
    std::wstring commandLine = L"\"" + *program + L"\"" + *arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(program->c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder->c_str(), &startup, &started)) {
        return lastFailure();
    }
    ::CloseHandle(started.hThread);
    ::CloseHandle(started.hProcess);
    return {};
}

long CurrentProcessId() {
    return static_cast<long>(::GetCurrentProcessId());
}

bool ProcessIsRunning(long processId) {
    if (processId <= 0) {
        return false;
    }
    const HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(processId));
    if (process == nullptr) {
        // A process there is but not ours to see is running all the same.
        return ::GetLastError() == ERROR_ACCESS_DENIED;
    }
    const bool running = ::WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    ::CloseHandle(process);
    return running;
}

Status CreateFolders(const std::string& path) {
    const auto wide = widePath(path);
    if (!wide) {
        return systemFailure(ERROR_NO_UNICODE_TRANSLATION);
    }
    DWORD error = ERROR_SUCCESS;
    for (std::size_t end = wide->find_first_of(L"\\/", 1);;
         end = wide->find_first_of(L"\\/", end + 1)) {
        error = ::CreateDirectoryW(wide->substr(0, end).c_str(), nullptr) ? ERROR_SUCCESS
                                                                          : ::GetLastError();
        if (end == std::wstring::npos) {
            break;
        }
    }
    const DWORD attributes = ::GetFileAttributesW(wide->c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        return systemFailure(
            error == ERROR_SUCCESS || error == ERROR_ALREADY_EXISTS ? ERROR_DIRECTORY : error);
    }
    return {};
}

void SleepMilliseconds(int milliseconds) {
    ::SleepEx(static_cast<DWORD>(std::max(milliseconds, 0)), FALSE);
}

std::string AnsiToUtf8(std::string_view bytes) {
    return toUtf8(toWide(bytes, CP_ACP, 0));
}

std::optional<std::string> Utf8ToAnsi(std::string_view text) {
    if (text.empty()) {
        return std::string();
    }
    const std::wstring wide = toWide(text, CP_UTF8, MB_ERR_INVALID_CHARS);
    if (wide.empty()) {
        return std::nullopt;
    }
    if (::GetACP() == CP_UTF8) {
        return std::string(text);
    }
    // No best fit ("A" for "Ā") and no default character: what the code page cannot hold is
    // refused rather than written as something else.
    const int size = static_cast<int>(wide.size());
    BOOL usedDefault = FALSE;
    const int length = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size,
                                             nullptr, 0, nullptr, &usedDefault);
    if (length == 0 || usedDefault) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, bytes.data(), length,
                          nullptr, nullptr);
    return bytes;
}

Failure NotARegularFileFailure() {
    return {ERROR_BAD_FILE_TYPE, "Not a regular file"};
}

Failure EndOfFileFailure() {
    return {62, "Input past end of file"};
}

} // namespace forgeline::platform
