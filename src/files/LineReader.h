#pragma once

#include "base/Result.h"
#include "platform/Platform.h"

#include <optional>
#include <string>
#include <vector>

namespace forgeline {

// Reads a file's lines without their ends. A line ends with LF or CR LF; a last line without
// an end is still a line; a file ending in a line end has no empty line after it.
class LineReader {
  public:
    explicit LineReader(platform::InputFile& file);

    // The next line's raw bytes; nothing at the end of the file, or a failure of the file.
    Result<std::optional<std::string>> next();

  private:
    Status fill();

    platform::InputFile& file_;
    std::vector<char> buffer_;
    std::size_t start_ = 0;
    std::size_t end_ = 0;
    bool atEnd_ = false;
};

} // namespace forgeline
