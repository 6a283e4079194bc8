#include "ui/Dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace forgeline {
namespace {

// "Text|*.sce|Other|*.*" becomes the name filters Qt shows: "Text (*.sce)" stays as written
// when its text already names the pattern.
QStringList nameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& text = parts[i];
        const QString& pattern = parts[i + 1];
        filters << (text.contains(pattern)
                        ? text
                        : text + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return filters;
}

std::optional<QString> runFileDialog(QWidget* parent, const FileDialogSetup& setup,
                                     QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, setup.title, setup.startFolder);
    dialog.setAcceptMode(mode);
    // Neither dialog insists that the file exists; Open then reports the missing file itself.
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = nameFilters(setup.filter);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty()) {
        dialog.selectNameFilter(filters.first());
    }
    QFileDialog::Options options;
    if (!setup.confirmOverwrite) {
        options |= QFileDialog::DontConfirmOverwrite;
    }
    dialog.setOptions(options);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first();
}

} // namespace

void QtDialogs::inform(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QString::fromLatin1(ProgramTitle), text, QMessageBox::Ok);
}

bool QtDialogs::ask(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, QString::fromLatin1(ProgramTitle), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<QString> QtDialogs::chooseFileToOpen(QWidget* parent, const FileDialogSetup& setup) {
    return runFileDialog(parent, setup, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDialogs::chooseFileToSave(QWidget* parent, const FileDialogSetup& setup) {
    return runFileDialog(parent, setup, QFileDialog::AcceptSave);
}

} // namespace forgeline
