#include "check/window/frmCheck.h"

#include "ui/Text.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace forgeline {

frmCheck::frmCheck(std::vector<Problem> problems, std::function<void(int line)> chosen,
                   QWidget* parent, Use use)
    : QDialog(parent), problems_(std::move(problems)) {
    setObjectName(QStringLiteral("frmCheck"));
    setWindowTitle(QStringLiteral("Check Scenario"));

    Problems = new QListWidget(this);
    Problems->setObjectName(QStringLiteral("Problems"));
    Problems->setAccessibleName(QStringLiteral("Problems"));
    for (const Problem& problem : problems_) {
        Problems->addItem(
            QStringLiteral("Line %1: %2").arg(problem.line).arg(FromCore(problem.message)));
    }
    if (problems_.empty()) {
        Problems->addItem(QString::fromLatin1(NoProblemsMessage));
    }
    connect(Problems, &QListWidget::currentRowChanged, this, [this, chosen](int row) {
        if (row >= 0 && row < static_cast<int>(problems_.size())) {
            chosen(problems_[static_cast<std::size_t>(row)].line);
        }
    });

    auto* buttons = new QDialogButtonBox(this);
    if (use == Use::BeforeCompile) {
        QPushButton* anyway =
            buttons->addButton(QStringLiteral("Compile &Anyway"), QDialogButtonBox::AcceptRole);
        anyway->setObjectName(QStringLiteral("CompileAnyway"));
        // A problem is worth mending first: Enter does not compile.
        anyway->setAutoDefault(false);
        QPushButton* cancel =
            buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
        cancel->setObjectName(QStringLiteral("Cancel"));
        cancel->setDefault(true);
    } else {
        buttons->addButton(QDialogButtonBox::Close);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Problems);
    layout->addWidget(buttons);
    resize(560, 260);
}

} // namespace forgeline
