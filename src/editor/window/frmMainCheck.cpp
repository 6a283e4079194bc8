#include "check/ScenarioCheck.h"
#include "check/window/frmCheck.h"
#include "editor/window/frmMain.h"
#include "ui/LineList.h"

namespace forgeline {

void frmMain::frmMain_mnuCheck_Click() {
    // Modal, so the lines it names stay the lines of the list until it is closed.
    frmCheck check(
        CheckScenario(scenario(), services_.programFolder),
        [this](int line) { selectLineOfProblem(line); }, this);
    check.exec();
}

bool frmMain::compileDespite(const std::vector<Problem>& problems) {
    if (problems.empty()) {
        return true;
    }
    frmCheck check(
        problems, [this](int line) { selectLineOfProblem(line); }, this,
        frmCheck::Use::BeforeCompile);
    return check.exec() == QDialog::Accepted;
}

void frmMain::selectLineOfProblem(int line) {
    if (const auto position = ForcePositionOfLine(line)) {
        Forces->selectRow(static_cast<int>(*position));
    }
}

} // namespace forgeline
