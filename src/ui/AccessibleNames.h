#pragma once

class QWidget;

namespace forgeline {

// Gives every text box, list and drop-down list of a window the name a screen reader speaks,
// the words of the label beside it ("Scenario Title" rather than nothing). Buttons, check boxes
// and frames are named by their captions already.
void GiveAccessibleNames(QWidget* window);

} // namespace forgeline
