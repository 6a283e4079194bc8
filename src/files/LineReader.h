#pragma once

#include "base/Result.h"
#include "platform/Platform.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace forgeline {

// Reads a file's lines without their ends. A line ends with LF or CR LF; a last line without
// an end is still a line; a file ending in a line end has no empty line after it.
class LineReader {
  public:
    // The lines that end within the first `byteLimit` bytes are read; the line that goes past
    // them fails with `tooLarge` instead, and so does every later call. At most one byte past
    // the limit is ever read, so no file, however large or endless, is held in memory whole.
    LineReader(platform::InputFile& file, std::uint64_t byteLimit, Failure tooLarge);

    // The next line's raw bytes; nothing at the end of the file, or a failure of the file.
    Result<std::optional<std::string>> next();

  private:
    Status fill();

    platform::InputFile& file_;
    const std::uint64_t byteLimit_;
    const Failure tooLarge_;
    std::vector<char> buffer_;
    std::size_t start_ = 0;
    std::size_t end_ = 0;
    std::uint64_t bytesRead_ = 0;
    bool atEnd_ = false;
};

} // namespace forgeline
