#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace forgeline {

// The editor's text boxes, and the text parts of its drop-down lists, that guard what the user
// types into them.
enum class EditorBox {
    SCE,
    Summary,
    Description,
    Objective,
    Nation,
    ship,
    shipname,
    X,
    Y,
    heading,
    warp,
    playcomp
};

// Whether a typed character reaches the box: not when it is the box's discarded key (any blank
// for the title and the fields of a force line), nor
// when the box already holds as many characters as may be typed into it. `lengthBefore` is
// the length of the text without the selection the character replaces.
bool AcceptsTyped(EditorBox box, char32_t typed, std::size_t lengthBefore);

// What a change of a number box's text calls for.
enum class NumericChange {
    // The text is empty or a lone "-": the user is still typing, so the box takes the focus.
    FocusHere,
    Nothing,
    // Anything that is not a number is replaced by "0".
    WriteZero,
};
NumericChange NumericChangeRule(std::string_view text);

// The text a number box takes when the focus leaves it, or nothing to keep its text.
std::optional<std::string> NumberBoxFill(std::string_view text);

// Text pasted into a multi-line box, whose text is one line of a scenario file: every line
// break (CR LF, CR, LF, and the Unicode line and paragraph separators) becomes one space.
std::string LineBreaksAsSpaces(std::string_view text);

} // namespace forgeline
