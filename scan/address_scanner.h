#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "files/byte_file.h"

namespace ravelo {

// An e-mail address has at most 254 bytes; an entry keeps at most this many of the text after
// its marker, so that no file can fill memory or the list.
inline constexpr std::size_t kMaxEntryBytes = 4096;

// Finds the e-mail addresses of a cache file: the text after each "SMTP:" marker up to and
// including the next byte 3, cut at its first zero byte and at `maxEntryBytes`.
//
// The windows that are compared with the marker follow the cache format's old reader exactly:
// the first window starts at the file's second byte, and after an address the next window starts
// six bytes after the marker, inside the text just taken. The file is read through a buffer of
// fixed size, and every byte is searched about once, so neither memory nor time depends on how
// the markers and terminators lie.
class AddressScanner {
public:
    explicit AddressScanner(ByteSource &source, std::size_t bufferSize = 1 << 20,
                            std::size_t maxEntryBytes = kMaxEntryBytes);

    // The next address, or nothing once the file has no more: a window ran past its end, or it
    // ended before the terminator of the last marker. Nothing is found after that.
    std::optional<std::string> next();

private:
    // Makes at least `need` bytes from `offset` on available in the buffer, as far as the file
    // has them, and returns how many the buffer holds from there.
    std::size_t fill(std::uint64_t offset, std::size_t need);
    const char *at(std::uint64_t offset) const;
    std::optional<std::uint64_t> findMarker(std::uint64_t from);
    // The offset of the first terminator at or after `from`.
    std::optional<std::uint64_t> findTerminator(std::uint64_t from);
    // The bytes in [from, end), cut at their first zero.
    std::string textUpToZero(std::uint64_t from, std::uint64_t end);

    ByteSource &source_;
    std::vector<char> buffer_;
    std::size_t maxEntryBytes_;
    std::uint64_t bufferStart_ = 0;
    std::size_t bufferLength_ = 0;
    std::uint64_t window_ = 1;
    // The last terminator found: it ends the text of every later marker that starts before it.
    std::optional<std::uint64_t> terminator_;
    bool ended_ = false;
};

}  // namespace ravelo
