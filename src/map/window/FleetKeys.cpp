#include "map/window/FleetKeys.h"

#include <QKeyEvent>

namespace forgeline {

std::optional<FleetCommand> FleetCommandOfKey(const QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->matches(QKeySequence::SelectAll)) {
        return FleetCommand::SelectAll;
    }
    if (event->matches(QKeySequence::Copy)) {
        return FleetCommand::Copy;
    }
    if (event->matches(QKeySequence::Cut)) {
        return FleetCommand::Cut;
    }
    if (event->matches(QKeySequence::Paste)) {
        return FleetCommand::Paste;
    }
    if (event->key() == Qt::Key_D && modifiers == Qt::ControlModifier) {
        return FleetCommand::Duplicate;
    }
    if (event->key() == Qt::Key_Delete && modifiers == Qt::NoModifier) {
        return FleetCommand::Delete;
    }
    return std::nullopt;
}

} // namespace forgeline
