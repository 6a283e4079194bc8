#pragma once

#include "base/Result.h"

#include <string_view>

namespace forgeline {

// Compile writes <title>.sce and <title>.sco in the program's folder and hands the compiler
// " <title>.sce", for a game that runs on Windows. So both names must be plain file names
// there that Windows can hold too, and the compiler must get them as one argument: no folder
// separators, none of < > : " | ? *, no control characters, no blank, and not a name Windows
// keeps for a device, with or without an extension. Dots anywhere are fine: the names end in
// ".sce" and ".sco", so "Dbl." gives "Dbl..sce".
Status CheckTitleAsFileName(std::string_view title);

} // namespace forgeline
