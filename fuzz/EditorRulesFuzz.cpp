// Any text as the numeric test sees it, as keys typed into a number box of the editor and as text
// pasted into its boxes: the numeric test agrees with the C library's reading of a number, a
// number box settles on a number (or the start of one) after every key and after leaving it, and
// pasting leaves no line break.
#include "FuzzCheck.h"
#include "editor/EditorRules.h"
#include "model/Blanks.h"
#include "model/Numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <string_view>

namespace {

using namespace forgeline::fuzz;
using forgeline::NumericChange;

// Signs, digits, one decimal point and one exponent as strtod reads them, with the finite
// values of a double; an exponent still being typed ("2E", "2E-") counts as absent.
bool readsAsFiniteNumber(std::string_view text) {
    if (text.empty() || text.find_first_not_of("0123456789+-.Ee") != std::string_view::npos) {
        return false;
    }
    std::string number(text);
    if (const std::size_t exponent = number.find_first_of("Ee"); exponent != std::string::npos) {
        const std::string_view rest = std::string_view(number).substr(exponent + 1);
        if (rest.empty() || rest == "+" || rest == "-") {
            number.resize(exponent);
        }
    }
    char* end = nullptr;
    const double value = std::strtod(number.c_str(), &end);
    return !number.empty() && end == number.c_str() + number.size() && !std::isinf(value);
}

// What the box holds once its change rule has run to the end.
std::string settled(std::string text) {
    int writes = 0;
    while (forgeline::NumericChangeRule(text) == NumericChange::WriteZero) {
        text = "0";
        check(++writes == 1);
    }
    return text;
}

bool isNumberOrItsStart(const std::string& text) {
    return text.empty() || text == "-" || forgeline::IsNumeric(text);
}

void typeInto(forgeline::EditorBox box, std::string_view keys) {
    std::string text = "0";
    for (const char key : keys) {
        if (forgeline::AcceptsTyped(box, static_cast<unsigned char>(key), text.size())) {
            text = settled(text + key);
        }
        check(isNumberOrItsStart(text));
    }
    if (const std::optional<std::string> fill = forgeline::NumberBoxFill(text)) {
        check(text.empty() && *fill == "0");
        text = settled(*fill);
    }
    check(!text.empty() && isNumberOrItsStart(text));
}

void checkPasted(std::string_view text) {
    const std::string flat = forgeline::LineBreaksAsSpaces(text);
    check(flat.size() <= text.size());
    check(flat.find_first_of("\r\n") == std::string::npos);
    check(flat.find("\xE2\x80\xA8") == std::string::npos);
    check(flat.find("\xE2\x80\xA9") == std::string::npos);
    const forgeline::EditedText joined = forgeline::WithoutInsertedBlanks("", text, text.size());
    check(joined.text.find_first_of(" \t\r\n") == std::string::npos &&
          joined.text.size() <= text.size() && joined.cursor == joined.text.size());
    // What the text held before the edit stays as it was.
    check(forgeline::WithoutInsertedBlanks(text, text, 0).text == text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    check(forgeline::IsNumeric(text) == readsAsFiniteNumber(text));

    const NumericChange change = forgeline::NumericChangeRule(text);
    check((change == NumericChange::FocusHere) == (text.empty() || text == "-"));
    check(isNumberOrItsStart(settled(std::string(text))));

    FuzzedDataProvider input(data, size);
    const auto box =
        input.PickValueInArray({forgeline::EditorBox::X, forgeline::EditorBox::Y,
                                forgeline::EditorBox::heading, forgeline::EditorBox::warp});
    typeInto(box, input.ConsumeRemainingBytesAsString());
    checkPasted(text);
    return 0;
}
