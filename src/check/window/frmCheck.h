#pragma once

#include "check/ScenarioCheck.h"

#include <QDialog>
#include <functional>
#include <vector>

class QListWidget;

namespace forgeline {

// Lists the problems of a scenario, each with its line of the .sce file. Choosing a problem
// tells the owner its line, so the editor can select the force line it names.
class frmCheck : public QDialog {
    Q_OBJECT

  public:
    // Asked for, the window is closed when read; before a compile, it asks whether to compile
    // anyway (accepted) or not (rejected, the default).
    enum class Use { Asked, BeforeCompile };

    frmCheck(std::vector<Problem> problems, std::function<void(int line)> chosen,
             QWidget* parent = nullptr, Use use = Use::Asked);

  private:
    std::vector<Problem> problems_;
    QListWidget* Problems = nullptr;
};

} // namespace forgeline
