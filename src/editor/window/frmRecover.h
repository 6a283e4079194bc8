#pragma once

#include "base/Result.h"
#include "editor/RecoveryCopy.h"

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace forgeline {

class Dialogs;

// The abandoned copies of unsaved work, newest first, for the user to recover one or to delete
// those not wanted. A damaged copy is listed as such and can only be deleted.
class frmRecover : public QDialog {
    Q_OBJECT

  public:
    // `recover` loads the chosen copy; `discard` deletes one, once the user has said yes.
    frmRecover(std::vector<RecoveryChoice> choices, Dialogs& dialogs,
               std::function<void(const std::string&)> recover,
               std::function<Status(const std::string&)> discard, QWidget* parent);

  private:
    void showChoice(int row);
    void recoverChosen();
    void deleteChosen();

    std::vector<RecoveryChoice> choices_;
    Dialogs& dialogs_;
    std::function<void(const std::string&)> recover_;
    std::function<Status(const std::string&)> discard_;
    QListWidget* Copies = nullptr;
    QPushButton* Recover = nullptr;
    QPushButton* Delete = nullptr;
};

} // namespace forgeline
