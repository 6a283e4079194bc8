#pragma once

#include "ui/Dialogs.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

namespace forgeline::testing {

// Answers the program's dialogs from a script and remembers what they showed.
class ScriptedDialogs final : public Dialogs {
  public:
    // Every text shown, message or question, in order.
    QStringList shown;
    // The setups of the file dialogs shown, in order.
    std::deque<FileDialogSetup> fileDialogs;
    // Answers to questions, taken in order; a question with none left is answered No.
    std::deque<bool> answers;
    // Paths the file dialogs return, taken in order; nothing means Cancel.
    std::deque<std::optional<QString>> paths;

    void inform(QWidget*, const QString& text) override { shown << text; }

    bool ask(QWidget*, const QString& text) override {
        shown << text;
        if (answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::optional<QString> chooseFileToOpen(QWidget*, const FileDialogSetup& setup) override {
        return choose(setup);
    }
    std::optional<QString> chooseFileToSave(QWidget*, const FileDialogSetup& setup) override {
        return choose(setup);
    }

  private:
    std::optional<QString> choose(const FileDialogSetup& setup) {
        fileDialogs.push_back(setup);
        std::optional<QString> path;
        if (!paths.empty()) {
            path.swap(paths.front());
            paths.pop_front();
        }
        return path;
    }
};

} // namespace forgeline::testing
