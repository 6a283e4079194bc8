#include "ui/TextBoxes.h"

#include "editor/EditorRules.h"
#include "ui/Text.h"

#include <QLineEdit>
#include <limits>

namespace forgeline {

void KeepTextBoxesWhole(QWidget* window) {
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        box->setMaxLength(std::numeric_limits<int>::max());
        // A box's text changes under the focus only while the user types or a rule corrects
        // what is typed; there the insertion point stays where the typing goes on. (A list
        // keeps the focus itself, not its text part, so a chosen item shows from its start.)
        QObject::connect(box, &QLineEdit::textChanged, box, [box] {
            if (!box->isModified() && !box->hasFocus()) {
                box->setCursorPosition(0);
            }
        });
    }
}

void RemovePastedSpaces(QLineEdit* box) {
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
        if (!text.contains(QLatin1Char(' '))) {
            return;
        }
        const QString before = text.left(box->cursorPosition());
        box->setText(FromCore(WithoutSpaces(ToCore(text))));
        box->setCursorPosition(static_cast<int>(FromCore(WithoutSpaces(ToCore(before))).size()));
    });
}

} // namespace forgeline
