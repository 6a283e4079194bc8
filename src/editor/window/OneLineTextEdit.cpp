#include "editor/window/OneLineTextEdit.h"

#include "editor/EditorRules.h"
#include "ui/Text.h"

#include <QMimeData>

namespace forgeline {

OneLineTextEdit::OneLineTextEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
}

void OneLineTextEdit::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText()) {
        return;
    }
    QMimeData flat;
    flat.setText(FromCore(LineBreaksAsSpaces(ToCore(source->text()))));
    QPlainTextEdit::insertFromMimeData(&flat);
}

} // namespace forgeline
