#include "platform/CommandLine.h"
#include "platform/Cp1252.h"
#include "platform/FailureSeams.h"
#include "platform/Platform.h"
#include "platform/TemporaryName.h"
#include "platform/Wildcard.h"
#include "platform/posix/FileNameText.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <limits>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace forgeline::platform {
namespace {

Failure errnoFailure(int code) {
    return {code, std::strerror(code)};
}

// A FIFO, a device or a socket: opening one may wait for a writer or do what a file never would.
Failure notAFileFailure(mode_t mode) {
    return S_ISDIR(mode) ? errnoFailure(EISDIR) : NotARegularFileFailure();
}

// The bytes the file system knows a path by.
std::string native(const std::string& path) {
    return TextToFileName(path);
}

class PosixInputFile final : public InputFile {
  public:
    explicit PosixInputFile(int fd) : fd_(fd) {}
    ~PosixInputFile() override { ::close(fd_); }
    PosixInputFile(const PosixInputFile&) = delete;
    PosixInputFile& operator=(const PosixInputFile&) = delete;

    Result<std::size_t> read(char* buffer, std::size_t size) override {
        while (true) {
            const ssize_t got = ::read(fd_, buffer, size);
            if (got >= 0) {
                return static_cast<std::size_t>(got);
            }
            if (errno != EINTR) {
                return errnoFailure(errno);
            }
        }
    }

  private:
    int fd_;
};

class PosixOutputFile final : public OutputFile {
  public:
    PosixOutputFile(int fd, std::string temporary, std::string target)
        : fd_(fd), temporary_(std::move(temporary)), target_(std::move(target)) {}
    ~PosixOutputFile() override { discard(); }
    PosixOutputFile(const PosixOutputFile&) = delete;
    PosixOutputFile& operator=(const PosixOutputFile&) = delete;

    Status write(std::string_view bytes) override {
        if (auto forced = ForcedWriteFailure()) {
            return *forced;
        }
        while (!bytes.empty()) {
            const ssize_t put = ::write(fd_, bytes.data(), bytes.size());
            if (put < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return errnoFailure(errno);
            }
            bytes.remove_prefix(static_cast<std::size_t>(put));
        }
        return {};
    }

    Status close() override {
        if (::fsync(fd_) != 0 && errno != EINVAL && errno != EROFS) {
            const Failure failure = errnoFailure(errno);
            discard();
            return failure;
        }
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0 || ::rename(temporary_.c_str(), target_.c_str()) != 0) {
            const Failure failure = errnoFailure(errno);
            discard();
            return failure;
        }
        temporary_.clear();
        return {};
    }

  private:
    void discard() {
        if (fd_ >= 0) {
            ::close(fd_);
            fd_ = -1;
        }
        if (!temporary_.empty()) {
            ::unlink(temporary_.c_str());
            temporary_.clear();
        }
    }

    int fd_;
    std::string temporary_;
    std::string target_;
};

// The file a path finally names, links followed, so replacing it keeps the link.
std::string resolvedTarget(const std::string& path) {
    std::string target = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::array<char, PATH_MAX> buffer{};
        const ssize_t length = ::readlink(target.c_str(), buffer.data(), buffer.size() - 1);
        if (length <= 0) {
            return target;
        }
        std::string link(buffer.data(), static_cast<std::size_t>(length));
        const std::size_t slash = target.rfind('/');
        target = (link.front() == '/' || slash == std::string::npos)
                     ? link
                     : target.substr(0, slash + 1) + link;
    }
    return target;
}

// The path is in the file system's own bytes.
bool isRegularFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// Temporary files of the target in the folder (given with its separator) whose owner the
// predicate calls dead.
void removeLeftovers(const std::string& folder, std::string_view targetName,
                     const std::function<bool(long)>& dead) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const auto owner = TemporaryFileOwner(entry->d_name, targetName);
        if (owner && dead(*owner)) {
            ::unlink((folder + entry->d_name).c_str());
        }
    }
    ::closedir(dir);
}

// Deleting the file while the lock is still held keeps another process from locking the old
// file in the moment between.
class PosixLock final : public HeldLock {
  public:
    PosixLock(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    ~PosixLock() override {
        ::unlink(path_.c_str());
        ::close(fd_);
    }
    PosixLock(const PosixLock&) = delete;
    PosixLock& operator=(const PosixLock&) = delete;

  private:
    int fd_;
    std::string path_;
};

// A Windows program begins with "MZ"; anything else is left to the kernel to run.
bool isWindowsExecutable(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    std::array<char, 2> magic{};
    const bool windows =
        ::read(fd, magic.data(), magic.size()) == 2 && magic[0] == 'M' && magic[1] == 'Z';
    ::close(fd);
    return windows;
}

std::optional<std::string> findOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    if (path == nullptr) {
        return std::nullopt;
    }
    std::string_view rest(path);
    while (true) {
        const std::size_t colon = rest.find(':');
        const std::string_view dir = rest.substr(0, colon);
        if (!dir.empty()) {
            const std::string candidate = JoinPath(dir, name);
            if (isRegularFile(candidate) && ::access(candidate.c_str(), X_OK) == 0) {
                return candidate;
            }
        }
        if (colon == std::string_view::npos) {
            return std::nullopt;
        }
        rest.remove_prefix(colon + 1);
    }
}

// What the go-between process tells by its exit status.
constexpr int Started = 0;
constexpr int SetUpTooLong = 3;

// Wine names the process after the Windows program once it has set the program up: its server
// started, its prefix created or brought up to date, the program loaded. Before that, seconds
// may pass in which the program has not run at all. False when the limit passed first. Runs in
// a forked child, so it keeps to calls that are safe there.
bool awaitProcessName(pid_t pid, std::string_view name, std::chrono::milliseconds limit) {
    std::array<char, 32> commPath{"/proc/"};
    char* end = std::to_chars(commPath.data() + 6, commPath.data() + 24, pid).ptr;
    std::memcpy(end, "/comm", 6);
    // The kernel keeps the first 15 bytes of a process name.
    const std::string_view expected = name.substr(0, 15);
    timespec deadline{};
    ::clock_gettime(CLOCK_MONOTONIC, &deadline);
    const long long limitNanoseconds = static_cast<long long>(limit.count()) * 1'000'000;
    deadline.tv_sec += static_cast<time_t>(limitNanoseconds / 1'000'000'000);
    deadline.tv_nsec += static_cast<long>(limitNanoseconds % 1'000'000'000);
    if (deadline.tv_nsec >= 1'000'000'000) {
        ++deadline.tv_sec;
        deadline.tv_nsec -= 1'000'000'000;
    }
    while (true) {
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) != 0) {
            return true;
        }
        const int fd = ::open(commPath.data(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0) {
            std::array<char, 16> comm{};
            ssize_t got = ::read(fd, comm.data(), comm.size());
            ::close(fd);
            if (got > 0 && comm[static_cast<std::size_t>(got - 1)] == '\n') {
                --got;
            }
            if (got >= 0 &&
                std::string_view(comm.data(), static_cast<std::size_t>(got)) == expected) {
                return true;
            }
        }
        timespec now{};
        ::clock_gettime(CLOCK_MONOTONIC, &now);
        if (now.tv_sec > deadline.tv_sec ||
            (now.tv_sec == deadline.tv_sec && now.tv_nsec >= deadline.tv_nsec)) {
            return false;
        }
        const timespec pause{0, 5'000'000};
        ::nanosleep(&pause, nullptr);
    }
}

std::string spokenDuration(std::chrono::milliseconds duration) {
    const auto count = duration.count();
    return count % 1000 == 0 ? std::to_string(count / 1000) + " seconds"
                             : std::to_string(count) + " milliseconds";
}

// Waits for the go-between process, calling the poll hook every few milliseconds meanwhile.
int awaitExit(pid_t child, const std::function<void()>& poll) {
    int status = 0;
    while (true) {
        const pid_t ended = ::waitpid(child, &status, WNOHANG);
        if (ended == child) {
            return status;
        }
        if (ended < 0 && errno != EINTR) {
            return -1;
        }
        if (poll) {
            poll();
        }
        const timespec pause{0, 5'000'000};
        ::nanosleep(&pause, nullptr);
    }
}

// Runs argv in the folder as a grandchild that belongs to no one, so it outlives this
// process. An exec failure travels back through a pipe closed on a successful exec. With a
// running name, returns only once the process bears it, or has ended, or the limit has passed;
// a process still not set up by then is ended with its whole group.
Status spawnDetached(const std::vector<std::string>& argv, const std::string& folder,
                     std::string_view runningName, const StartWaiting& waiting) {
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);

    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        return errnoFailure(errno);
    }
    const pid_t child = ::fork();
    if (child < 0) {
        const int error = errno;
        ::close(report[0]);
        ::close(report[1]);
        return errnoFailure(error);
    }
    if (child == 0) {
        ::close(report[0]);
        ::setsid();
        const pid_t grandchild = ::fork();
        if (grandchild < 0) {
            ::_exit(1);
        }
        if (grandchild > 0) {
            const bool started =
                runningName.empty() || awaitProcessName(grandchild, runningName, waiting.limit);
            ::_exit(started ? Started : SetUpTooLong);
        }
        int error = 0;
        const int devNull = ::open("/dev/null", O_RDONLY);
        if (devNull >= 0) {
            ::dup2(devNull, STDIN_FILENO);
            ::close(devNull);
        }
        if (::chdir(folder.c_str()) == 0) {
            ::execv(args[0], args.data());
        }
        error = errno;
        [[maybe_unused]] const ssize_t sent = ::write(report[1], &error, sizeof error);
        ::_exit(127);
    }
    ::close(report[1]);
    const int status = awaitExit(child, waiting.poll);
    int error = 0;
    ssize_t got = 0;
    do {
        got = ::read(report[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    ::close(report[0]);
    if (got == static_cast<ssize_t>(sizeof error)) {
        return errnoFailure(error);
    }
    if (status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == SetUpTooLong) {
        // The group outlives its leader: the program and whatever Wine started with it.
        ::kill(-child, SIGKILL);
        return Failure{ETIMEDOUT, "Wine did not get '" + std::string(runningName) +
                                      "' running within " + spokenDuration(waiting.limit) + "."};
    }
    if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) != Started) {
        return errnoFailure(ECHILD);
    }
    return {};
}

} // namespace

std::vector<std::string> ProgramArguments(int argc, char* argv[]) {
    return {argv + std::min(argc, 1), argv + argc};
}

std::string ProgramFolder() {
    std::array<char, PATH_MAX> buffer{};
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0) {
        return ".";
    }
    const std::string path(buffer.data(), static_cast<std::size_t>(length));
    const std::size_t slash = path.rfind('/');
    return slash == 0 ? std::string("/") : FileNameToText(path.substr(0, slash));
}

char PathSeparator() {
    return '/';
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (path.empty() || path.back() != PathSeparator()) {
        path += PathSeparator();
    }
    path += name;
    return path;
}

bool FileExists(const std::string& path) {
    return isRegularFile(native(path));
}

bool FolderExists(const std::string& path) {
    struct stat info {};
    return ::stat(native(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsSymbolicLink(const std::string& path) {
    struct stat info {};
    return ::lstat(native(path).c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

Status DeleteFile(const std::string& path) {
    if (auto forced = ForcedDeleteFailure()) {
        return *forced;
    }
    if (::unlink(native(path).c_str()) != 0) {
        return errnoFailure(errno);
    }
    return {};
}

std::optional<std::string> FindFileIgnoringCase(const std::string& folder, std::string_view name) {
    if (FileExists(JoinPath(folder, name))) {
        return std::string(name);
    }
    std::optional<std::string> found;
    for (const std::string& candidate : ListFiles(folder, name)) {
        if (EqualIgnoringCase(candidate, name)) {
            found = candidate;
            break;
        }
    }
    return found;
}

std::vector<std::string> ListFiles(const std::string& folder, std::string_view pattern) {
    std::vector<std::string> names;
    const std::string path = native(folder.empty() ? "." : folder);
    DIR* dir = ::opendir(path.c_str());
    if (dir == nullptr) {
        return names;
    }
    while (const dirent* entry = ::readdir(dir)) {
        std::string name = FileNameToText(entry->d_name);
        if (name.empty() || name.front() == '.' || !MatchesWildcard(name, pattern)) {
            continue;
        }
        const bool regular =
            entry->d_type == DT_REG || ((entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) &&
                                        isRegularFile(path + "/" + entry->d_name));
        if (regular) {
            names.push_back(std::move(name));
        }
    }
    ::closedir(dir);
    SortNamesIgnoringCase(names);
    return names;
}

Result<std::unique_ptr<InputFile>> OpenForReading(const std::string& path) {
    // Without O_NONBLOCK a FIFO would hold the open until some writer came; on a regular file the
    // flag changes nothing.
    const int fd = ::open(native(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return errnoFailure(errno);
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const Failure failure = notAFileFailure(info.st_mode);
        ::close(fd);
        return failure;
    }
    return std::unique_ptr<InputFile>(std::make_unique<PosixInputFile>(fd));
}

std::optional<std::chrono::system_clock::time_point> LastWritten(const std::string& path) {
    struct stat info {};
    if (::stat(native(path).c_str(), &info) != 0) {
        return std::nullopt;
    }
    return std::chrono::system_clock::from_time_t(info.st_mtim.tv_sec) +
           std::chrono::duration_cast<std::chrono::system_clock::duration>(
               std::chrono::nanoseconds(info.st_mtim.tv_nsec));
}

Result<std::unique_ptr<InputFile>> OpenStandardInput() {
    const int fd = ::fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 0);
    if (fd < 0) {
        return errnoFailure(errno);
    }
    return std::unique_ptr<InputFile>(std::make_unique<PosixInputFile>(fd));
}

Result<std::unique_ptr<OutputFile>> CreateForWriting(const std::string& path, WriteKind kind) {
    const bool document = kind == WriteKind::Document;
    const std::string target = document ? resolvedTarget(native(path)) : native(path);
    struct stat existing {};
    // A link where a private file belongs is replaced as if nothing stood there.
    const bool exists =
        (document ? ::stat(target.c_str(), &existing) : ::lstat(target.c_str(), &existing)) == 0 &&
        !S_ISLNK(existing.st_mode);
    if (exists && !S_ISREG(existing.st_mode)) {
        return notAFileFailure(existing.st_mode);
    }
    // Replacing needs only the folder's permission; the file's own must still be honoured.
    if (exists && ::access(target.c_str(), W_OK) != 0) {
        return errnoFailure(errno);
    }
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    removeLeftovers(folder, name, [](long owner) { return !ProcessIsRunning(owner); });
    const bool keepAttributes = exists && document;
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        const std::string temporary = folder + TemporaryName(name, ::getpid(), attempt);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                              keepAttributes ? (existing.st_mode & 07777)
                              : document     ? 0666
                                             : 0600);
        if (fd >= 0) {
            if (keepAttributes) {
                // Only root may give a file away; anyone may keep a group they belong to. The
                // mode comes after, as a change of owner clears its set-id bits.
                if (::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
                    [[maybe_unused]] const int group = ::fchown(fd, -1, existing.st_gid);
                }
                ::fchmod(fd, existing.st_mode & 07777);
            }
            return std::unique_ptr<OutputFile>(
                std::make_unique<PosixOutputFile>(fd, temporary, target));
        }
        if (errno != EEXIST) {
            return errnoFailure(errno);
        }
    }
    return errnoFailure(EEXIST);
}

void RemoveLeftoversOf(const std::string& folder, std::string_view targetName) {
    removeLeftovers(native(JoinPath(folder, "")), targetName, [](long) { return true; });
}

Result<std::unique_ptr<HeldLock>> LockFile(const std::string& path) {
    const std::string name = native(path);
    const int fd =
        ::open(name.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        return errnoFailure(errno);
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return notAFileFailure(info.st_mode);
    }
    // flock, not fcntl: its lock belongs to this open file, so a second lock in the same process
    // fails, and closing some other descriptor of the file does not drop it.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const Failure failure = errnoFailure(errno);
        ::close(fd);
        return failure;
    }
    return std::unique_ptr<HeldLock>(std::make_unique<PosixLock>(fd, name));
}

bool FileIsLocked(const std::string& path) {
    const int fd = ::open(native(path).c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    // A lock this takes ends with the descriptor.
    const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return locked;
}

Status StartProgram(const std::string& programPath, std::string_view parameters,
                    const std::string& workingFolder, const StartWaiting& waiting) {
    const std::string program = native(programPath);
    if (!isRegularFile(program)) {
        return errnoFailure(ENOENT);
    }
    std::vector<std::string> argv;
    std::string runningName;
    if (isWindowsExecutable(program)) {
        const auto wine = findOnPath("wine");
        if (!wine) {
            return Failure{ENOEXEC, "Cannot run the Windows program '" + programPath +
                                        "': wine is not installed."};
        }
        argv = {*wine, program};
        // Started means running, as on Windows: not still being set up by Wine.
        runningName = program.substr(program.rfind('/') + 1);
    } else {
        argv = {program};
    }
    for (const std::string& argument : SplitCommandLine(parameters)) {
        argv.push_back(TextToFileName(argument));
    }
    return spawnDetached(argv, native(workingFolder), runningName, waiting);
}

bool ProcessIsRunning(long processId) {
    // Zero and negative numbers name process groups, not a process.
    if (processId <= 0 || processId > std::numeric_limits<pid_t>::max()) {
        return false;
    }
    return ::kill(static_cast<pid_t>(processId), 0) == 0 || errno == EPERM;
}

long CurrentProcessId() {
    return static_cast<long>(::getpid());
}

Status CreateFolders(const std::string& folder) {
    const std::string path = native(folder);
    int error = 0;
    for (std::size_t end = path.find('/', 1);; end = path.find('/', end + 1)) {
        error = ::mkdir(path.substr(0, end).c_str(), 0700) == 0 ? 0 : errno;
        if (end == std::string::npos) {
            break;
        }
    }
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
        return errnoFailure(error == 0 || error == EEXIST ? ENOTDIR : error);
    }
    return {};
}

void SleepMilliseconds(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::string AnsiToUtf8(std::string_view bytes) {
    return Cp1252ToUtf8(bytes);
}

std::optional<std::string> Utf8ToAnsi(std::string_view text) {
    return Utf8ToCp1252(text);
}

Failure NotARegularFileFailure() {
    return {EINVAL, "Not a regular file"};
}

Failure EndOfFileFailure() {
    return {62, "Input past end of file"};
}

} // namespace forgeline::platform
