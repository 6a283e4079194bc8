#include "ui/TextBoxes.h"

#include "model/Blanks.h"
#include "ui/Text.h"

#include <QComboBox>
#include <QLineEdit>
#include <limits>
#include <memory>
#include <utility>

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
    // An item chosen from a list shows from its beginning. With the focus there it is selected
    // whole, the insertion point at its start, so typing replaces it as on Windows.
    for (QComboBox* list : window->findChildren<QComboBox*>()) {
        if (QLineEdit* text = list->lineEdit()) {
            QObject::connect(list, &QComboBox::currentIndexChanged, text, [text](int index) {
                const auto length = static_cast<int>(text->text().size());
                if (index >= 0 && text->hasFocus()) {
                    text->setSelection(length, -length);
                } else if (index >= 0) {
                    text->setCursorPosition(0);
                }
            });
        }
    }
}

void RemovePastedBlanks(QLineEdit* box) {
    // The text before an edit. Which of the two signals comes first is Qt's business, so
    // both the text last seen and the one before it are kept.
    struct Seen {
        QString current;
        QString previous;
    };
    auto seen = std::make_shared<Seen>(Seen{box->text(), box->text()});
    QObject::connect(box, &QLineEdit::textChanged, box, [seen](const QString& text) {
        if (text != seen->current) {
            seen->previous = std::exchange(seen->current, text);
        }
    });
    QObject::connect(box, &QLineEdit::textEdited, box, [box, seen](const QString& text) {
        const std::string before = ToCore(text == seen->current ? seen->previous : seen->current);
        const std::string after = ToCore(text);
        const EditedText edited =
            WithoutInsertedBlanks(before, after, ToCore(text.left(box->cursorPosition())).size());
        if (edited.text != after) {
            box->setText(FromCore(edited.text));
            box->setCursorPosition(
                static_cast<int>(FromCore(edited.text.substr(0, edited.cursor)).size()));
        }
    });
}

} // namespace forgeline
