#pragma once

#include "base/Result.h"

#include <string_view>

namespace forgeline {

// Compile writes <title>.sce and <title>.sco in the program's folder and hands the compiler
// " <title>.sce", for a game that runs on Windows, and the browser lists the .sco files there.
// So both names must be plain file names there that Windows can hold too, that the browser
// shows, and the compiler must get them as one argument: no folder separators, none of
// < > : " | ? *, no control characters, no blank, no leading dot (such a file is hidden), not
// a name Windows keeps for a device, with or without an extension, at most 255 bytes (the
// longest name the file systems hold), and the path in the folder within the 259 characters
// Windows allows. Dots elsewhere are fine: the names end in ".sce" and ".sco", so "Dbl."
// gives "Dbl..sce". The check and Compile both ask this, so they never disagree.
Status CheckTitleAsFileName(std::string_view title, std::string_view programFolder);

// A scenario source's name ends in ".sce", in any letter case, as Windows matches it.
bool IsScenarioFileName(std::string_view path);

} // namespace forgeline
