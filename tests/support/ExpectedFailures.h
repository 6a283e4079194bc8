#pragma once

#include "base/Result.h"

#include <ostream>

namespace forgeline {

inline void PrintTo(const Failure& failure, std::ostream* out) {
    *out << failure.code << " - " << failure.description;
}

namespace testing {

// How this platform reports the failures the tests provoke, code and text as it words them.
struct ExpectedFailures {
    Failure missingFile;
    // A path through a folder that does not exist.
    Failure missingFolder;
    // A folder opened, created or deleted as if it were a file.
    Failure folderAsFile;
    // A file started that is not a program.
    Failure notAProgram;
    // A folder made where a file stands.
    Failure fileAsFolder;
};

const ExpectedFailures& PlatformFailures();

// A Windows build running under Wine, whose texts differ from Windows' own.
bool RunningUnderWine();

} // namespace testing
} // namespace forgeline
