#include "check/ScenarioCheck.h"
#include "check/window/frmCheck.h"
#include "editor/window/frmMain.h"
#include "ui/LineList.h"

namespace forgeline {

void frmMain::frmMain_mnuCheck_Click() {
    // Modal, so the lines it names stay the lines of the list until it is closed.
    frmCheck check(
        CheckScenario(scenario(), services_.programFolder),
        [this](int line) {
            if (const auto position = ForcePositionOfLine(line)) {
                Forces->selectRow(static_cast<int>(*position));
            }
        },
        this);
    check.exec();
}

} // namespace forgeline
