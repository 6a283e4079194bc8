#pragma once

#include "ui/Dialogs.h"

#include <QStringList>

namespace forgeline::bench {

// Answers every open dialog with one file, cancels saving, says No to questions and keeps the
// messages, which a benchmark reports as an error: a message means the run went wrong.
class AnsweringDialogs final : public Dialogs {
  public:
    explicit AnsweringDialogs(QString openPath = {}) : openPath_(std::move(openPath)) {}

    QStringList shown;

    void inform(QWidget*, const QString& text) override { shown << text; }
    bool ask(QWidget*, const QString& text) override {
        shown << text;
        return false;
    }
    std::optional<QString> chooseFileToOpen(QWidget*, const FileDialogSetup&) override {
        return openPath_;
    }
    std::optional<QString> chooseFileToSave(QWidget*, const FileDialogSetup&) override {
        return std::nullopt;
    }

  private:
    QString openPath_;
};

} // namespace forgeline::bench
