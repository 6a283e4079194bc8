#pragma once

class QComboBox;

namespace forgeline {

// A drop-down list with an editable text part whose typed text stays exactly as typed: Qt would
// complete it from the items and, on leaving or on Enter, select an item that matches it in any
// letter case ("rom" would become "Romulan", selected). Only choosing an item from the list
// selects it. The mouse wheel changes the choice only while the list has the focus.
void KeepTypedTextAsTyped(QComboBox* list);

} // namespace forgeline
