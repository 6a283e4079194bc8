#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace forgeline {

// What would split a field of a force line or the compiler's argument, or break the line in
// a box: a space, a tab, a line break, a vertical tab or form feed, a no-break space and the
// Unicode line and paragraph separators.
bool IsBlank(char32_t character);

// A single-line box's text after an edit, and its insertion point, a byte position.
struct EditedText {
    std::string text;
    std::size_t cursor = 0;

    friend bool operator==(const EditedText&, const EditedText&) = default;
};

// The title and the fields of a force line take no blank that is typed or pasted. The part of
// `after` that the edit put in place of part of `before` loses its blanks; the text around it
// is kept as it was, blanks that came from a file included. `cursor` is the insertion point
// in `after`; it keeps its place in the text that is left.
EditedText WithoutInsertedBlanks(std::string_view before, std::string_view after,
                                 std::size_t cursor);

} // namespace forgeline
