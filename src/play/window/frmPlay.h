#pragma once

#include "ui/Services.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace forgeline {

class LineList;

// The scenario browser: lists the compiled scenarios of the program's folder, shows what the
// picked one holds and starts the game on it.
class frmPlay : public QDialog {
    Q_OBJECT

  public:
    explicit frmPlay(Services services, QWidget* parent = nullptr);

  private:
    void buildControls();
    void Form_Load();
    void Scenarios_Click(int row);
    void cmdLaunch_Click();

    Services services_;
    LineList* Scenarios = nullptr;
    QPushButton* cmdLaunch = nullptr;
    QLineEdit* SCE = nullptr;
    QLineEdit* Summary = nullptr;
    QPlainTextEdit* Description = nullptr;
    QPlainTextEdit* Objective = nullptr;
    LineList* Forces = nullptr;
    QLineEdit* shipCount = nullptr;
};

} // namespace forgeline
