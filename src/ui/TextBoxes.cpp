#include "ui/TextBoxes.h"

#include "model/Blanks.h"
#include "ui/Text.h"

#include <QComboBox>
#include <QLineEdit>
#include <limits>
#include <memory>

namespace forgeline {

void KeepTextBoxesWhole(QWidget* window) {
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        box->setMaxLength(std::numeric_limits<int>::max());
        // A box's text changes under the focus only while the user types or a rule corrects
        // what is typed; there the insertion point stays where the typing goes on.
        QObject::connect(box, &QLineEdit::textChanged, box, [box] {
            if (!box->isModified() && !box->hasFocus()) {
                box->setCursorPosition(0);
            }
        });
    }
    // An item chosen from a list with the focus there shows from its beginning too: it is
    // selected whole, the insertion point at its start, so typing replaces it as on Windows.
    for (QComboBox* list : window->findChildren<QComboBox*>()) {
        if (QLineEdit* text = list->lineEdit()) {
            QObject::connect(list, &QComboBox::currentIndexChanged, text, [text](int index) {
                if (index >= 0 && text->hasFocus()) {
                    const auto length = static_cast<int>(text->text().size());
                    text->setSelection(length, -length);
                }
            });
        }
    }
}

void RemovePastedBlanks(QLineEdit* box) {
    // The text before an edit: a line edit tells of an edit before it tells of the change.
    auto before = std::make_shared<QString>(box->text());
    QObject::connect(box, &QLineEdit::textChanged, box,
                     [before](const QString& text) { *before = text; });
    QObject::connect(box, &QLineEdit::textEdited, box, [box, before](const QString& text) {
        const std::string after = ToCore(text);
        const EditedText edited = WithoutInsertedBlanks(
            ToCore(*before), after, ToCore(text.left(box->cursorPosition())).size());
        if (edited.text != after) {
            box->setText(FromCore(edited.text));
            box->setCursorPosition(
                static_cast<int>(FromCore(edited.text.substr(0, edited.cursor)).size()));
        }
    });
}

} // namespace forgeline
