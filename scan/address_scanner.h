#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/byte_file.h"

namespace ravelo {

// Finds the e-mail addresses of a cache file: the text after each "SMTP:" marker up to and
// including the next byte 3, cut at its first zero byte.
//
// The windows that are compared with the marker follow the cache format's old reader exactly:
// the first window starts at the file's second byte, and after an address the next window starts
// six bytes after the marker, inside the text just taken. The file is read through a buffer of
// fixed size, so its size does not matter.
class AddressScanner {
public:
    explicit AddressScanner(ByteSource &source, std::size_t bufferSize = 1 << 20);

    // The next address, or nothing once the file has no more: a window ran past its end, or it
    // ended before the terminator of the last marker. Nothing is found after that.
    std::optional<std::string> next();

private:
    // Makes at least `need` bytes from `offset` on available in the buffer, as far as the file
    // has them, and returns how many the buffer holds from there.
    std::size_t fill(std::uint64_t offset, std::size_t need);
    const char *at(std::uint64_t offset) const;
    std::optional<std::string> addressInBuffer(std::uint64_t textStart) const;
    std::optional<std::string> addressAcrossBuffers(std::uint64_t textStart);
    std::optional<std::uint64_t> findMarker(std::uint64_t from);
    // The offset of the first `byte` in [from, limit).
    std::optional<std::uint64_t> findByte(char byte, std::uint64_t from, std::uint64_t limit);

    ByteSource &source_;
    std::vector<char> buffer_;
    std::uint64_t bufferStart_ = 0;
    std::size_t bufferLength_ = 0;
    std::uint64_t window_ = 1;
    bool ended_ = false;
};

}  // namespace ravelo
