#pragma once

#include "ui/Services.h"

#include <QMainWindow>

namespace forgeline {

// The scenario editor, the window the program opens with.
class frmMain : public QMainWindow {
    Q_OBJECT

  public:
    explicit frmMain(Services services, QWidget* parent = nullptr);

  private:
    Services services_;
};

} // namespace forgeline
