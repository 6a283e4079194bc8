#include "editor/window/frmRecover.h"

#include "editor/CommandMessages.h"
#include "ui/Dialogs.h"
#include "ui/Text.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace forgeline {
namespace {

std::string writtenText(const RecoveryChoice& choice) {
    if (!choice.written) {
        return "at an unknown time";
    }
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(choice.written->time_since_epoch());
    return ToCore(QDateTime::fromSecsSinceEpoch(seconds.count())
                      .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

} // namespace

frmRecover::frmRecover(std::vector<RecoveryChoice> choices, Dialogs& dialogs,
                       std::function<void(const std::string&)> recover,
                       std::function<Status(const std::string&)> discard, QWidget* parent)
    : QDialog(parent), choices_(std::move(choices)), dialogs_(dialogs),
      recover_(std::move(recover)), discard_(std::move(discard)) {
    setObjectName(QStringLiteral("frmRecover"));
    setWindowTitle(QStringLiteral("Recover Unsaved Scenario"));

    Copies = new QListWidget(this);
    Copies->setObjectName(QStringLiteral("Copies"));
    Copies->setAccessibleName(QStringLiteral("Unsaved scenarios"));
    // A row is shown whole, the list scrolling sideways for a long title.
    Copies->setTextElideMode(Qt::ElideNone);
    for (const RecoveryChoice& choice : choices_) {
        Copies->addItem(FromCore(RecoveryChoiceText(choice, writtenText(choice))));
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    Recover = buttons->addButton(QStringLiteral("&Recover"), QDialogButtonBox::AcceptRole);
    Recover->setObjectName(QStringLiteral("Recover"));
    // Return recovers the selected copy, wherever the focus stands in the window.
    Recover->setDefault(true);
    Delete = buttons->addButton(QStringLiteral("&Delete"), QDialogButtonBox::ActionRole);
    Delete->setObjectName(QStringLiteral("Delete"));
    // A button that takes the focus, by a click or handed on from one disabled, would
    // otherwise make itself the default, and Return would press it instead.
    Delete->setAutoDefault(false);
    buttons->button(QDialogButtonBox::Cancel)->setAutoDefault(false);
    connect(Recover, &QPushButton::clicked, this, &frmRecover::recoverChosen);
    connect(Delete, &QPushButton::clicked, this, &frmRecover::deleteChosen);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(Copies, &QListWidget::currentRowChanged, this, &frmRecover::showChoice);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Copies);
    layout->addWidget(buttons);
    resize(560, 260);
    Copies->setCurrentRow(0);
    showChoice(Copies->currentRow());
}

void frmRecover::showChoice(int row) {
    const bool chosen = row >= 0 && row < static_cast<int>(choices_.size());
    Recover->setEnabled(chosen && !choices_[static_cast<std::size_t>(row)].damage);
    Delete->setEnabled(chosen);
}

void frmRecover::recoverChosen() {
    const int row = Copies->currentRow();
    if (!Recover->isEnabled() || row < 0) {
        return;
    }
    const std::string path = choices_[static_cast<std::size_t>(row)].path;
    accept();
    recover_(path);
}

void frmRecover::deleteChosen() {
    const int row = Copies->currentRow();
    if (row < 0 ||
        !dialogs_.ask(this, QStringLiteral("Delete the unsaved scenario \"%1\"? It cannot be "
                                           "recovered afterwards.")
                                .arg(Copies->item(row)->text()))) {
        return;
    }
    if (Status deleted = discard_(choices_[static_cast<std::size_t>(row)].path); !deleted) {
        dialogs_.inform(this, FromCore(FileFailureMessage(deleted.failure())));
        return;
    }
    choices_.erase(choices_.begin() + row);
    delete Copies->takeItem(row);
    showChoice(Copies->currentRow());
}

} // namespace forgeline
