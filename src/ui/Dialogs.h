#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace forgeline {

// What a file dialog is set up with before it is shown.
struct FileDialogSetup {
    QString title;
    // Pairs of shown text and pattern, separated by "|": "Scenario Files (*.sce)|*.sce|...".
    QString filter;
    QString startFolder;
    // Ask before replacing an existing file (save dialogs).
    bool confirmOverwrite = false;
};

// Every message box and file dialog of the program goes through this, so tests can answer
// them. Message boxes carry the program's title.
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // A message with an OK button.
    virtual void inform(QWidget* parent, const QString& text) = 0;
    // A question with Yes and No; true on Yes.
    virtual bool ask(QWidget* parent, const QString& text) = 0;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> chooseFileToOpen(QWidget* parent,
                                                    const FileDialogSetup& setup) = 0;
    virtual std::optional<QString> chooseFileToSave(QWidget* parent,
                                                    const FileDialogSetup& setup) = 0;
};

inline constexpr const char* ProgramTitle = "Forgeline";

// The real dialogs: QMessageBox and QFileDialog.
class QtDialogs final : public Dialogs {
  public:
    void inform(QWidget* parent, const QString& text) override;
    bool ask(QWidget* parent, const QString& text) override;
    std::optional<QString> chooseFileToOpen(QWidget* parent, const FileDialogSetup& setup) override;
    std::optional<QString> chooseFileToSave(QWidget* parent, const FileDialogSetup& setup) override;
};

} // namespace forgeline
