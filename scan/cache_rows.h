#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/byte_file.h"

namespace ravelo {

// The SMTP address of one row, in the code page; `fitsCodePage` is false, and `text` empty,
// when the row holds it in letters that the code page cannot hold.
struct RowAddress {
    std::string text;
    bool fitsCodePage = true;
};

// Reads the rows of an autocomplete cache (the signature 0xBAADF00D, two version numbers, a row
// count, then the rows of typed properties) and gives the SMTP address of each row that the
// "SMTP:" marker cannot see: an Exchange row's SMTP address (0x39FE), or the e-mail address
// (0x3003) of an SMTP row written without a search key.
//
// The file is untrusted: it is read forward through a buffer of fixed size, every count is
// checked against the bytes that are there before it is believed, and nothing is allocated from
// a count. A row only counts once it has been read whole; a file that is not a cache, a type
// that cannot be stepped over or a count past the end ends the rows. Nothing after the last row
// is read.
class CacheRowReader {
public:
    explicit CacheRowReader(ByteSource &source, std::size_t bufferSize = 1 << 16);

    // The address of the next such row, or nothing once the rows have ended.
    std::optional<RowAddress> next();

private:
    // Where a property's counted bytes stand in the file; they are read only when a row needs them.
    struct Located {
        std::uint64_t offset = 0;
        std::uint32_t count = 0;
        bool wide = false;
        bool present = false;
    };
    struct Row {
        Located searchKey, addressType, emailAddress, smtpAddress;
    };

    bool readRow(Row &row);
    bool readProperty(Row &row);
    std::optional<RowAddress> addressOf(const Row &row);
    // The property's text up to its terminating zero, in the code page; nothing when it is empty
    // or too long to be an address.
    std::optional<RowAddress> textOf(const Located &at);
    // The first `keep` of the property's bytes, or fewer where it has fewer.
    std::optional<std::string_view> fetch(const Located &at, std::size_t keep);
    // The next `count` bytes (at most 16), or null where the file ends first.
    const char *take(std::size_t count);
    bool readCount(std::uint32_t &count);
    bool skip(std::uint64_t count);
    bool fill(std::uint64_t offset);

    ByteSource &source_;
    std::vector<char> buffer_;
    std::uint64_t bufferStart_ = 0;  // the file's offset of the buffer's first byte
    std::size_t bufferLength_ = 0;
    std::size_t at_ = 0;  // where the reading stands in the buffer
    std::uint32_t rowsLeft_ = 0;
    bool started_ = false;
    std::string fetched_;  // reused from row to row
    std::u16string units_;
};

}  // namespace ravelo
