#include "ui/Dialogs.h"

#include "files/FileDialogRules.h"
#include "ui/Text.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace forgeline {
namespace {

// The program's boxes carry no icon: QMessageBox::information() and question() would add one.
int showPlainMessageBox(QWidget* parent, const QString& text,
                        QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(ProgramTitle), text, buttons, parent);
    return box.exec();
}

// Each file type as Qt's dialog takes it: the shown text, then the patterns in parentheses,
// which the dialog keeps out of sight, so that "All File Types (*.*)" reads as written but
// lists every file.
QStringList nameFilters(const QString& filter) {
    QStringList filters;
    for (const DialogFileType& type : DialogFileTypes(ToCore(filter))) {
        filters << FromCore(type.shown) + QStringLiteral(" (") +
                       FromCore(type.patterns).join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters;
}

// A file dialog that keeps to the folders that exist: a path typed into a missing one is
// refused with a message, and the dialog stays open for another.
class ExistingFolderDialog final : public QFileDialog {
  public:
    using QFileDialog::QFileDialog;

    void accept() override {
        const QStringList chosen = selectedFiles();
        if (!chosen.isEmpty() && !DialogAcceptsPath(ToCore(chosen.first()))) {
            showPlainMessageBox(this,
                                QDir::toNativeSeparators(chosen.first()) +
                                    QStringLiteral("\nThe folder does not exist. Check the path "
                                                   "and try again."),
                                QMessageBox::Ok);
            return;
        }
        QFileDialog::accept();
    }
};

std::optional<QString> runFileDialog(QWidget* parent, const FileDialogSetup& setup,
                                     QFileDialog::AcceptMode mode) {
    ExistingFolderDialog dialog(parent, setup.title, setup.startFolder);
    dialog.setAcceptMode(mode);
    // Neither dialog insists that the file exists; Open then reports the missing file itself.
    dialog.setFileMode(QFileDialog::AnyFile);
    // The platform's own dialog would take paths past the checks above.
    QFileDialog::Options options =
        QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails;
    if (!setup.confirmOverwrite) {
        options |= QFileDialog::DontConfirmOverwrite;
    }
    dialog.setOptions(options);
    const QStringList filters = nameFilters(setup.filter);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty()) {
        dialog.selectNameFilter(filters.first());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    // Qt writes "/" on every platform; a Windows path shown, kept among the recent files or
    // compared with one typed on the command line has "\".
    return QDir::toNativeSeparators(dialog.selectedFiles().first());
}

} // namespace

void QtDialogs::inform(QWidget* parent, const QString& text) {
    showPlainMessageBox(parent, text, QMessageBox::Ok);
}

bool QtDialogs::ask(QWidget* parent, const QString& text) {
    return showPlainMessageBox(parent, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

std::optional<QString> QtDialogs::chooseFileToOpen(QWidget* parent, const FileDialogSetup& setup) {
    return runFileDialog(parent, setup, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDialogs::chooseFileToSave(QWidget* parent, const FileDialogSetup& setup) {
    return runFileDialog(parent, setup, QFileDialog::AcceptSave);
}

} // namespace forgeline
