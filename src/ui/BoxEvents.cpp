#include "ui/BoxEvents.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>

namespace forgeline {
namespace {

// The length of the text once the selection a typed character replaces is gone.
qsizetype lengthBeforeTyping(QWidget* widget) {
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        return line->text().size() - line->selectedText().size();
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        return plain->document()->characterCount() - 1 - plain->textCursor().selectedText().size();
    }
    return 0;
}

} // namespace

BoxEvents::BoxEvents(QWidget* widget) : QObject(widget), widget_(widget) {
    widget->installEventFilter(this);
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        // Mouse presses of a multi-line box go to its viewport.
        plain->viewport()->installEventFilter(this);
    }
}

BoxEvents& BoxEvents::of(QWidget* widget) {
    if (auto* existing = widget->findChild<BoxEvents*>(QString(), Qt::FindDirectChildrenOnly)) {
        return *existing;
    }
    return *new BoxEvents(widget);
}

BoxEvents& BoxEvents::onTyped(std::function<bool(char32_t, qsizetype)> filter) {
    typed_ = std::move(filter);
    return *this;
}

BoxEvents& BoxEvents::onLostFocus(std::function<void()> handler) {
    lostFocus_ = std::move(handler);
    return *this;
}

BoxEvents& BoxEvents::onClick(std::function<void()> handler) {
    click_ = std::move(handler);
    return *this;
}

bool BoxEvents::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        if (!typed_ || watched != widget_) {
            break;
        }
        auto* key = static_cast<QKeyEvent*>(event);
        char32_t typed = 0;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            typed = U'\r';
        } else if (const QString text = key->text(); !text.isEmpty() && text[0].isPrint()) {
            typed = text.toUcs4().value(0);
        }
        if (typed != 0 && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
            !typed_(typed, lengthBeforeTyping(widget_))) {
            return true;
        }
        break;
    }
    case QEvent::FocusOut: {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (lostFocus_ && watched == widget_ && reason != Qt::ActiveWindowFocusReason &&
            reason != Qt::PopupFocusReason) {
            lostFocus_();
        }
        break;
    }
    case QEvent::MouseButtonPress:
        if (click_ && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            click_();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace forgeline
