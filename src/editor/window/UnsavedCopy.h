#pragma once

#include "base/Result.h"
#include "files/ScenarioSource.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

class QUndoStack;

namespace forgeline {

// The editor's recovery copy: while the scenario holds changes that are in no file (its history
// is not at the step last saved, opened or compiled), a copy of it stands in the folder, written
// a few seconds after a change and whenever the editor ends. A killed editor loses no more than
// those seconds; the next editor offers what it left.
class UnsavedCopy : public QObject {
    Q_OBJECT

  public:
    // An empty folder keeps no copy.
    UnsavedCopy(std::string folder, QUndoStack* history, std::function<ScenarioSource()> scenario,
                QObject* parent);

    // Brings the copy up to date at once.
    void writeNow();

    // Paths of the copies that editors no longer running left behind.
    std::vector<std::string> abandoned() const;

  private:
    std::string folder_;
    std::string path_;
    QUndoStack* history_;
    std::function<ScenarioSource()> scenario_;
    QTimer timer_;
};

} // namespace forgeline
