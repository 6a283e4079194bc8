#pragma once

#include "base/Result.h"
#include "files/ScenarioSource.h"
#include "platform/Platform.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QUndoStack;

namespace forgeline {

// The editor's recovery copy: while the scenario holds changes that are in no file (its history
// is not at the step last saved, opened or compiled), a copy of it stands in the folder, written
// a few seconds after a change and whenever the editor ends. A killed editor loses no more than
// those seconds; the next editor offers what it left. While it runs, the editor holds its copy's
// lock file locked, which tells its copy from one to offer.
class UnsavedCopy : public QObject {
    Q_OBJECT

  public:
    // An empty folder keeps no copy.
    UnsavedCopy(std::string folder, QUndoStack* history, std::function<ScenarioSource()> scenario,
                QObject* parent);

    // Brings the copy up to date at once.
    void writeNow();

    // The changes on screen are in a file, or in the copy as last written; always so for an
    // editor that keeps no copy.
    bool changesKept() const;

    // Paths of the copies that editors no longer running left behind, but for those this one has
    // taken over. What such an editor left of a copy it never wrote whole is removed meanwhile.
    std::vector<std::string> abandoned();

    // Takes over the abandoned copy whose work the editor has just loaded. It is removed once
    // this editor's own copy holds the work, or the scenario is saved.
    void adopt(const std::string& path);
    // The scenario on screen has been saved in a file.
    void saved();
    // Removes an abandoned copy and what its editor left beside it.
    Status discard(const std::string& path);

  signals:
    // The copy could not be written: said once, until a write succeeds again.
    void writeFailed(const std::string& message);

  private:
    // Picks this editor's copy name and locks it, once.
    Status claimName();
    void discardAdopted();

    std::string folder_;
    std::string path_;
    std::unique_ptr<platform::HeldLock> lock_;
    QUndoStack* history_;
    std::function<ScenarioSource()> scenario_;
    QTimer timer_;
    bool written_ = false;
    bool failureTold_ = false;
    std::vector<std::string> adopted_;
};

} // namespace forgeline
