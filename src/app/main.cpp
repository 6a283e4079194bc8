#include "editor/window/frmMain.h"
#include "files/FolderToolchain.h"
#include "platform/Platform.h"
#include "ui/Dialogs.h"
#include "ui/WindowFont.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(forgeline::ProgramTitle));
    QApplication::setFont(forgeline::WindowFont());

    const std::string folder = forgeline::platform::ProgramFolder();
    forgeline::FolderToolchain toolchain(folder);
    forgeline::QtDialogs dialogs;
    forgeline::frmMain window({folder, &toolchain, &dialogs});
    window.show();
    return QApplication::exec();
}
