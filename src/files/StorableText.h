#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace forgeline {

// Why a value cannot go into a scenario file: each value is one line of 8-bit text.
enum class Unstorable { LineBreak, OutsideCodePage };

// Appends the value as the file holds it, or tells why it cannot be stored (then `out` is as
// it was). The writer and the scenario check both ask this, so they never disagree.
std::optional<Unstorable> AppendStorable(std::string_view value, std::string& out);

// Whether the value can be stored, without keeping its bytes.
std::optional<Unstorable> FindUnstorable(std::string_view value);

// "The <what> holds a line break, which a scenario file cannot hold.", and so on.
std::string UnstorableMessage(std::string_view what, Unstorable why);

} // namespace forgeline
