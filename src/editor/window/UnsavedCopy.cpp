#include "editor/window/UnsavedCopy.h"

#include "editor/CommandMessages.h"
#include "editor/RecoveryCopy.h"

#include <QUndoStack>
#include <algorithm>

namespace forgeline {
namespace {

// How much typing a killed editor may lose.
constexpr int WriteDelayMilliseconds = 3000;
// Editors of one process, and dead ones that had this process's number, are this many at most.
constexpr int MostEditors = 1000;

} // namespace

UnsavedCopy::UnsavedCopy(std::string folder, QUndoStack* history,
                         std::function<ScenarioSource()> scenario, QObject* parent)
    : QObject(parent), folder_(std::move(folder)), history_(history),
      scenario_(std::move(scenario)) {
    if (folder_.empty()) {
        return;
    }
    timer_.setSingleShot(true);
    timer_.setInterval(WriteDelayMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &UnsavedCopy::writeNow);
    // The timer is not restarted by every key: steady typing is written all the same.
    connect(history_, &QUndoStack::indexChanged, this, [this] {
        written_ = false;
        if (!timer_.isActive()) {
            timer_.start();
        }
    });
    connect(history_, &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (clean) {
            writeNow();
        }
    });
}

Status UnsavedCopy::claimName() {
    if (lock_) {
        return {};
    }
    if (Status made = platform::CreateFolders(folder_); !made) {
        return made;
    }
    Status claimed = Failure{};
    for (int editor = 1; editor <= MostEditors; ++editor) {
        const std::string path =
            platform::JoinPath(folder_, RecoveryFileName(platform::CurrentProcessId(), editor));
        auto lock = platform::LockFile(RecoveryLockName(path));
        if (!lock) {
            claimed = lock.failure();
            continue;
        }
        // A copy there is one that a dead editor with this process's number left.
        if (!platform::FileExists(path) && !platform::FolderExists(path)) {
            lock_ = std::move(*lock);
            path_ = path;
            return {};
        }
    }
    return claimed;
}

void UnsavedCopy::writeNow() {
    if (folder_.empty()) {
        return;
    }
    timer_.stop();
    if (history_->isClean()) {
        if (!path_.empty() && platform::FileExists(path_)) {
            platform::DeleteFile(path_);
        }
        return;
    }
    Status written = claimName();
    if (written) {
        written = WriteRecoveryCopy(path_, scenario_());
    }
    written_ = written.ok();
    if (!written) {
        // Said once: the next change tries again without interrupting the user anew.
        if (!failureTold_) {
            failureTold_ = true;
            emit writeFailed(UnsavedCopyFailureMessage(folder_, written.failure()));
        }
        return;
    }
    failureTold_ = false;
    discardAdopted();
}

bool UnsavedCopy::changesKept() const {
    return folder_.empty() || history_->isClean() || written_;
}

std::vector<std::string> UnsavedCopy::abandoned() {
    if (folder_.empty()) {
        return {};
    }
    std::vector<std::string> paths;
    for (const std::string& name : AbandonedRecoveryCopies(
             platform::ListFiles(folder_, RecoveryFilesPattern), [this](const std::string& lock) {
                 return platform::FileIsLocked(platform::JoinPath(folder_, lock));
             })) {
        const std::string path = platform::JoinPath(folder_, name);
        if (std::ranges::find(adopted_, path) != adopted_.end()) {
            continue;
        }
        // A write cut short by a kill leaves its temporary file, and no one writes that copy
        // again.
        platform::RemoveLeftoversOf(folder_, name);
        if (platform::FileExists(path)) {
            paths.push_back(path);
        } else {
            platform::DeleteFile(platform::JoinPath(folder_, RecoveryLockName(name)));
        }
    }
    return paths;
}

void UnsavedCopy::adopt(const std::string& path) {
    adopted_.push_back(path);
    writeNow();
}

void UnsavedCopy::saved() {
    discardAdopted();
}

Status UnsavedCopy::discard(const std::string& path) {
    if (Status deleted = platform::DeleteFile(path); !deleted) {
        return deleted;
    }
    const std::size_t separator = path.find_last_of("/\\");
    platform::RemoveLeftoversOf(folder_, path.substr(separator + 1));
    if (const std::string lock = RecoveryLockName(path); platform::FileExists(lock)) {
        platform::DeleteFile(lock);
    }
    return {};
}

void UnsavedCopy::discardAdopted() {
    for (const std::string& path : adopted_) {
        discard(path);
    }
    adopted_.clear();
}

} // namespace forgeline
