#pragma once

#include "base/Result.h"

#include <string_view>

namespace forgeline {

// Compile names its files after the title, in the program's folder, so the title must be a
// plain file name there that Windows can hold too: no folder separators, not "." or "..",
// none of < > : " | ? * or control characters, and no space or dot at the end (Windows drops
// those, so the files would not carry the title the compiler is given).
Status CheckTitleAsFileName(std::string_view title);

} // namespace forgeline
