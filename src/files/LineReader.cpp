#include "files/LineReader.h"

#include <cstring>

namespace forgeline {
namespace {
constexpr std::size_t ChunkSize = 1 << 16;
}

LineReader::LineReader(platform::InputFile& file, std::uint64_t byteLimit, Failure tooLarge)
    : file_(file), byteLimit_(byteLimit), tooLarge_(std::move(tooLarge)), buffer_(ChunkSize) {}

Status LineReader::fill() {
    if (start_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + start_, end_ - start_);
        end_ -= start_;
        start_ = 0;
    }
    // One byte past the limit tells that the line there goes past it.
    const std::uint64_t left = byteLimit_ - bytesRead_;
    if (end_ == buffer_.size()) {
        buffer_.resize(left < buffer_.size() ? end_ + static_cast<std::size_t>(left) + 1
                                             : buffer_.size() * 2);
    }
    const std::size_t room = buffer_.size() - end_;
    auto got =
        file_.read(buffer_.data() + end_, left < room ? static_cast<std::size_t>(left) + 1 : room);
    if (!got) {
        return got.failure();
    }
    if (*got == 0) {
        atEnd_ = true;
    }
    end_ += *got;
    bytesRead_ += *got;
    return {};
}

Result<std::optional<std::string>> LineReader::next() {
    std::size_t scanned = start_;
    while (true) {
        const void* found = std::memchr(buffer_.data() + scanned, '\n', end_ - scanned);
        if (found != nullptr) {
            const auto newline =
                static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.data());
            if (bytesRead_ - (end_ - newline) >= byteLimit_) {
                return tooLarge_;
            }
            std::size_t lineEnd = newline;
            if (lineEnd > start_ && buffer_[lineEnd - 1] == '\r') {
                --lineEnd;
            }
            std::string line(buffer_.data() + start_, lineEnd - start_);
            start_ = newline + 1;
            return std::optional<std::string>(std::move(line));
        }
        if (bytesRead_ > byteLimit_) {
            return tooLarge_;
        }
        if (atEnd_) {
            if (start_ == end_) {
                return std::optional<std::string>();
            }
            std::string line(buffer_.data() + start_, end_ - start_);
            start_ = end_;
            return std::optional<std::string>(std::move(line));
        }
        // Only the bytes read from now on still need looking at.
        const std::size_t alreadyScanned = end_ - start_;
        if (Status filled = fill(); !filled) {
            return filled.failure();
        }
        scanned = start_ + alreadyScanned;
    }
}

} // namespace forgeline
