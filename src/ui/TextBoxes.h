#pragma once

class QLineEdit;
class QWidget;

namespace forgeline {

// Undoes two defaults of Qt's line edits in every single-line box of the window, the text parts
// of its drop-down lists included: the length cap of 32767 characters, which would cut text
// set from a file or pasted (typing limits are the key filters' business), and the scrolling
// to the end of a text the program sets, which would show "ederation" for "Federation" in a
// narrow box. Text the program sets, and an item chosen from a list, is shown from its
// beginning; text being typed scrolls as usual.
void KeepTextBoxesWhole(QWidget* window);

// A blank pasted into a box whose text is one field of a force line or the title is taken out
// again, and only that: blanks the text already held stay. The insertion point keeps its place
// in the text that is left. (Typed blanks are the key filter's.)
void RemovePastedBlanks(QLineEdit* box);

} // namespace forgeline
