#include "editor/window/UnsavedCopy.h"

#include "editor/RecoveryCopy.h"
#include "platform/Platform.h"

#include <QUndoStack>

namespace forgeline {
namespace {

// How much typing a killed editor may lose.
constexpr int WriteDelayMilliseconds = 3000;

} // namespace

UnsavedCopy::UnsavedCopy(std::string folder, QUndoStack* history,
                         std::function<ScenarioSource()> scenario, QObject* parent)
    : QObject(parent), folder_(std::move(folder)), history_(history),
      scenario_(std::move(scenario)) {
    if (folder_.empty()) {
        return;
    }
    static int editors = 0;
    path_ = platform::JoinPath(folder_, RecoveryFileName(platform::CurrentProcessId(), ++editors));
    timer_.setSingleShot(true);
    timer_.setInterval(WriteDelayMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &UnsavedCopy::writeNow);
    // The timer is not restarted by every key: steady typing is written all the same.
    connect(history_, &QUndoStack::indexChanged, this, [this] {
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

void UnsavedCopy::writeNow() {
    if (path_.empty()) {
        return;
    }
    timer_.stop();
    // A copy that cannot be written is no reason to interrupt the user; the next change tries
    // again.
    if (history_->isClean()) {
        if (platform::FileExists(path_)) {
            platform::DeleteFile(path_);
        }
    } else if (platform::CreateFolders(folder_)) {
        WriteRecoveryCopy(path_, scenario_());
    }
}

std::vector<std::string> UnsavedCopy::abandoned() const {
    if (folder_.empty()) {
        return {};
    }
    std::vector<std::string> paths;
    for (const std::string& name : AbandonedRecoveryCopies(
             platform::ListFiles(folder_, RecoveryFilePattern), platform::ProcessIsRunning)) {
        paths.push_back(platform::JoinPath(folder_, name));
    }
    return paths;
}

} // namespace forgeline
