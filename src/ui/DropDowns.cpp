#include "ui/DropDowns.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>

namespace forgeline {
namespace {

class WheelOnlyWithFocus final : public QObject {
  public:
    explicit WheelOnlyWithFocus(QComboBox* list) : QObject(list), list_(list) {
        list->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Wheel && !list_->hasFocus()) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QComboBox* list_;
};

} // namespace

void KeepTypedTextAsTyped(QComboBox* list) {
    list->setCompleter(nullptr);
    // The list's own reaction to a finished edit is the case-insensitive match.
    QObject::disconnect(list->lineEdit(), &QLineEdit::editingFinished, list, nullptr);
    // A wheel turned over the list would otherwise give it the focus, and the next turn a
    // new choice.
    list->setFocusPolicy(Qt::StrongFocus);
    new WheelOnlyWithFocus(list);
}

} // namespace forgeline
