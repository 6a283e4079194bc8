#include "app/CommandLine.h"
#include "editor/window/frmMain.h"
#include "files/FolderToolchain.h"
#include "platform/Platform.h"
#include "ui/Dialogs.h"
#include "ui/WindowFont.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("forgeline"));
    QCoreApplication::setApplicationVersion(QStringLiteral(FORGELINE_VERSION));
    forgeline::CommandLine commandLine(forgeline::platform::ProgramArguments(argc, argv));
    if (!commandLine.wantsWindow()) {
        // No window, so no display either: the check runs in scripts and on servers.
        QCoreApplication app(argc, argv);
        return commandLine.runWithoutWindow();
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(forgeline::ProgramTitle));
    QApplication::setFont(forgeline::WindowFont());

    const std::string folder = forgeline::platform::ProgramFolder();
    // While Wine sets a Windows game program up, the windows keep painting but take no input.
    forgeline::FolderToolchain toolchain(
        folder, forgeline::CompilerWait,
        {forgeline::platform::WineSetUpLimit,
         [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }});
    forgeline::QtDialogs dialogs;
    const std::string unsaved =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
    // Native: the XDG config folder on Linux, the registry's user hive on Windows.
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromLatin1(forgeline::ProgramTitle),
                       QString::fromLatin1(forgeline::ProgramTitle));
    forgeline::frmMain window({folder, &toolchain, &dialogs, unsaved, &settings});
    window.show();
    if (commandLine.fileToOpen()) {
        window.openScenario(*commandLine.fileToOpen());
    }
    return QApplication::exec();
}
