#include "check/CompileGate.h"
#include "editor/CommandMessages.h"
#include "editor/CompileChecks.h"
#include "editor/OpenedScenario.h"
#include "editor/RecentFiles.h"
#include "editor/RecoveryCopy.h"
#include "editor/window/EditorHistory.h"
#include "editor/window/RecentFilesMenu.h"
#include "editor/window/UnsavedCopy.h"
#include "editor/window/frmMain.h"
#include "editor/window/frmRecover.h"
#include "files/ScenarioCompile.h"
#include "platform/Platform.h"
#include "play/GameLaunch.h"
#include "ui/Dialogs.h"
#include "ui/LineList.h"
#include "ui/Text.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace forgeline {
namespace {

const QString ScenarioFilter =
    QStringLiteral("Scenario Files (*.sce)|*.sce|All File Types (*.*)|*.*");

// The window does not respond while the compiler has its time; the cursor says so.
class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

void frmMain::frmMain_mnuNew_Click() {
    history_->record(QStringLiteral("New Scenario"), [this] {
        showScenario({});
        clearShipFields();
    });
}

void frmMain::frmMain_mnuOpen_Click() {
    const FileDialogSetup setup{QStringLiteral("Select File to Open..."), ScenarioFilter,
                                FromCore(services_.programFolder), false};
    const std::optional<QString> path = services_.dialogs->chooseFileToOpen(this, setup);
    if (!path) {
        return;
    }
    openScenario(ToCore(*path));
}

void frmMain::openScenario(const std::string& path) {
    const OpenedScenario opened = OpenScenarioFile(path);
    if (opened.shown) {
        history_->record(QStringLiteral("Open Scenario"),
                         [this, &opened] { showScenario(*opened.shown); });
    }
    if (opened.message) {
        inform(*opened.message);
    } else {
        scenarioInFile();
        recent_->add(path);
    }
}

void frmMain::frmMain_mnuSave_Click() {
    const FileDialogSetup setup{QStringLiteral("Select Loation to Save to..."), ScenarioFilter,
                                FromCore(services_.programFolder), true};
    const std::optional<QString> path = services_.dialogs->chooseFileToSave(this, setup);
    if (!path) {
        return;
    }
    if (Status written = WriteScenarioSource(ToCore(*path), scenario()); !written) {
        inform(FileFailureMessage(written.failure()));
        return;
    }
    scenarioInFile();
    recent_->add(ToCore(*path));
    unsaved_->saved();
}

void frmMain::frmMain_Compile_Click() {
    compileScenario();
}

void frmMain::frmMain_mnuCompilePlay_Click() {
    const std::string compiled = ToCore(SCE->text()) + ".sco";
    if (!compileScenario()) {
        return;
    }
    if (const auto message = LaunchCompiledScenario(*services_.toolchain, compiled)) {
        inform(*message);
    }
}

bool frmMain::compileScenario() {
    const ScenarioSource source = scenario();
    const std::string& title = source.Title;
    if (const auto refusal = CompileRefusal(title, source.Forces, services_.programFolder)) {
        inform(*refusal);
        return false;
    }
    if (!compileDespite(ProblemsBeforeCompile(source, services_.programFolder))) {
        return false;
    }
    // The old .sco goes only once the new .sce is in place, but the question comes first.
    if (platform::FileExists(platform::JoinPath(services_.programFolder, title + ".sco")) &&
        !services_.dialogs->ask(this, FromCore(OverwriteQuestion(title)))) {
        return false;
    }
    const Result<CompileOutcome> outcome = [&] {
        const BusyCursor busy;
        return WriteAndCompile(services_.programFolder, source, *services_.toolchain);
    }();
    if (!outcome) {
        inform(CompileFailureMessage(outcome.failure()));
        return false;
    }
    scenarioInFile();
    unsaved_->saved();
    for (const std::string& message : CompileReport(*outcome)) {
        inform(message);
    }
    return outcome->compiled;
}

void frmMain::frmMain_mnuRecent_Click(const std::string& path) {
    if (!platform::FileExists(path)) {
        inform(MissingRecentFileMessage(path));
        recent_->remove(path);
        return;
    }
    openScenario(path);
}

void frmMain::frmMain_mnuExit_Click() {
    // Unsaved work stays in the copy for the next start; asked only when no copy holds it.
    if (mayLeave()) {
        QApplication::exit(0);
    }
}

void frmMain::frmMain_mnuRecover_Click() {
    auto* window = new frmRecover(
        RecoveryChoices(unsaved_->abandoned()), *services_.dialogs,
        [this](const std::string& path) { recoverCopy(path); },
        [this](const std::string& path) { return unsaved_->discard(path); }, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
}

void frmMain::recoverCopy(const std::string& path) {
    const Result<ScenarioSource> copy = ReadRecoveryCopy(path);
    if (!copy) {
        inform(FileFailureMessage(copy.failure()));
        return;
    }
    history_->record(QStringLiteral("Recover Unsaved Scenario"),
                     [this, &copy] { showScenario(*copy); });
    // The work is this editor's now; the copy goes once the editor's own holds it.
    unsaved_->adopt(path);
}

} // namespace forgeline
