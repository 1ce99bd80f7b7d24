#include "scan/cache_rows.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "files/code_page.h"
#include "scan/address_scanner.h"

namespace ravelo {
namespace {

constexpr std::uint32_t kSignature = 0xBAADF00D;

enum PropertyType : std::uint16_t {
    kNull = 0x0001,
    kInt16 = 0x0002,
    kInt32 = 0x0003,
    kFloat = 0x0004,
    kDouble = 0x0005,
    kError = 0x000A,
    kBoolean = 0x000B,
    kInt64 = 0x0014,
    kString8 = 0x001E,
    kString16 = 0x001F,
    kTime = 0x0040,
    kClassId = 0x0048,
    kBinary = 0x0102,
    kMultiple = 0x1000,  // a list of the type below it
};

enum PropertyId : std::uint16_t {
    kAddressType = 0x3002,
    kEmailAddress = 0x3003,
    kSearchKey = 0x300B,
    kSmtpAddress = 0x39FE,
};

constexpr std::size_t kCacheHeaderBytes = 16;  // the signature, the two versions, the row count
constexpr std::size_t kPropertyHeaderBytes = 16;
constexpr std::size_t kClassIdBytes = 16;
constexpr std::string_view kMarker = "SMTP:";
constexpr std::string_view kSmtp = "SMTP";
// Enough of a string for an address of the longest entry, in either form, and its zero.
constexpr std::size_t kKeptStringBytes = 2 * (kMaxEntryBytes + 1);

// Little-endian numbers, in the form that compilers turn into one load.
std::uint16_t le16(const char *bytes) {
    const auto *b = reinterpret_cast<const unsigned char *>(bytes);
    return static_cast<std::uint16_t>(b[0] | b[1] << 8);
}

std::uint32_t le32(const char *bytes) {
    const auto *b = reinterpret_cast<const unsigned char *>(bytes);
    return b[0] | b[1] << 8 | b[2] << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

// What follows a property's 16 bytes, by its type.
enum class Shape { kNothing, kClassId, kCounted, kCountedList, kUnknown };

Shape shapeOf(std::uint16_t type) {
    switch (type) {
        case kNull:
        case kInt16:
        case kInt32:
        case kFloat:
        case kDouble:
        case kError:
        case kBoolean:
        case kInt64:
        case kTime:
            return Shape::kNothing;
        case kClassId:
            return Shape::kClassId;
        case kString8:
        case kString16:
        case kBinary:
            return Shape::kCounted;
        case kMultiple | kString8:
        case kMultiple | kString16:
        case kMultiple | kBinary:
            return Shape::kCountedList;
        default:
            return Shape::kUnknown;
    }
}

// Whether a string property's text, up to its zero, is "SMTP" in any letter case.
bool isSmtp(std::string_view bytes, bool wide) {
    const std::size_t step = wide ? 2 : 1;
    std::size_t letters = 0;
    for (std::size_t at = 0; at + step <= bytes.size(); at += step) {
        const unsigned unit =
            wide ? le16(bytes.data() + at) : static_cast<unsigned char>(bytes[at]);
        if (unit == 0) {
            break;
        }
        if (letters == kSmtp.size() || (unit & ~0x20u) != static_cast<unsigned>(kSmtp[letters])) {
            return false;
        }
        ++letters;
    }
    return letters == kSmtp.size();
}

}  // namespace

CacheRowReader::CacheRowReader(ByteSource &source, std::size_t bufferSize)
    : source_(source), buffer_(std::max<std::size_t>(bufferSize, kPropertyHeaderBytes)) {}

inline const char *CacheRowReader::take(std::size_t count) {
    if (bufferLength_ - at_ < count && (!fill(bufferStart_ + at_) || bufferLength_ < count)) {
        return nullptr;
    }
    const char *bytes = buffer_.data() + at_;
    at_ += count;
    return bytes;
}

inline bool CacheRowReader::readCount(std::uint32_t &count) {
    const char *bytes = take(4);
    if (bytes == nullptr) {
        return false;
    }
    count = le32(bytes);
    return true;
}

// Steps over `count` bytes, which must be there: the last of them is read to make sure.
inline bool CacheRowReader::skip(std::uint64_t count) {
    if (count == 0) {
        return true;
    }
    if (count <= bufferLength_ - at_) {
        at_ += static_cast<std::size_t>(count);
        return true;
    }
    if (!fill(bufferStart_ + at_ + count - 1)) {
        return false;
    }
    at_ = 1;
    return true;
}

bool CacheRowReader::fill(std::uint64_t offset) {
    bufferStart_ = offset;
    bufferLength_ = source_.readAt(offset, buffer_.data(), buffer_.size());
    at_ = 0;
    return bufferLength_ > 0;
}

std::optional<RowAddress> CacheRowReader::next() {
    if (!started_) {
        started_ = true;
        const char *header = take(kCacheHeaderBytes);
        if (header == nullptr || le32(header) != kSignature) {
            return std::nullopt;
        }
        // The version numbers (10.1 in the .NK2 files, 12.0 in the later streams) name one layout.
        rowsLeft_ = le32(header + 12);
    }
    while (rowsLeft_ > 0) {
        --rowsLeft_;
        Row row;
        if (!readRow(row)) {
            rowsLeft_ = 0;
            return std::nullopt;
        }
        if (std::optional<RowAddress> address = addressOf(row)) {
            return address;
        }
    }
    return std::nullopt;
}

inline bool CacheRowReader::readProperty(Row &row) {
    const char *header = take(kPropertyHeaderBytes);
    if (header == nullptr) {
        return false;
    }
    const std::uint16_t type = le16(header);
    const std::uint16_t id = le16(header + 2);
    std::uint32_t count = 0;
    switch (shapeOf(type)) {
        case Shape::kNothing:
            return true;
        case Shape::kClassId:
            return skip(kClassIdBytes);
        case Shape::kCountedList:
            if (!readCount(count)) {
                return false;
            }
            for (std::uint32_t values = count; values > 0; --values) {
                if (!readCount(count) || !skip(count)) {
                    return false;
                }
            }
            return true;
        case Shape::kCounted:
            break;
        case Shape::kUnknown:
            return false;  // a type that carries no length of its own cannot be stepped over
    }
    if (!readCount(count)) {
        return false;
    }
    Located *slot = nullptr;
    if (type == kBinary) {
        slot = id == kSearchKey ? &row.searchKey : nullptr;
    } else {
        slot = id == kAddressType    ? &row.addressType
               : id == kEmailAddress ? &row.emailAddress
               : id == kSmtpAddress  ? &row.smtpAddress
                                     : nullptr;
    }
    if (slot != nullptr) {
        *slot = {.offset = bufferStart_ + at_,
                 .count = count,
                 .wide = type == kString16,
                 .present = true};
    }
    return skip(count);
}

bool CacheRowReader::readRow(Row &row) {
    std::uint32_t properties = 0;
    if (!readCount(properties)) {
        return false;
    }
    for (std::uint32_t i = 0; i < properties; ++i) {
        if (!readProperty(row)) {
            return false;
        }
    }
    return true;
}

std::optional<RowAddress> CacheRowReader::addressOf(const Row &row) {
    if (row.searchKey.present) {
        const std::optional<std::string_view> key = fetch(row.searchKey, kMarker.size());
        if (key && *key == kMarker) {
            return std::nullopt;
        }
    }
    if (row.smtpAddress.present) {
        if (std::optional<RowAddress> smtp = textOf(row.smtpAddress)) {
            return smtp;
        }
    }
    if (row.emailAddress.present && row.addressType.present) {
        const std::optional<std::string_view> type = fetch(row.addressType, 2 * kSmtp.size() + 2);
        if (type && isSmtp(*type, row.addressType.wide)) {
            return textOf(row.emailAddress);
        }
    }
    return std::nullopt;
}

std::optional<RowAddress> CacheRowReader::textOf(const Located &at) {
    const std::optional<std::string_view> bytes = fetch(at, kKeptStringBytes);
    if (!bytes) {
        return std::nullopt;
    }
    if (!at.wide) {
        const std::string_view text = bytes->substr(0, bytes->find('\0'));
        if (text.empty() || text.size() > kMaxEntryBytes) {
            return std::nullopt;
        }
        return RowAddress{std::string(text)};
    }
    units_.resize(bytes->size() / 2);
    for (std::size_t i = 0; i < units_.size(); ++i) {
        units_[i] = le16(bytes->data() + 2 * i);
        if (units_[i] == 0) {
            units_.resize(i);
        }
    }
    if (units_.empty() || units_.size() > kMaxEntryBytes) {
        return std::nullopt;
    }
    std::optional<std::string> text = encodeWhole(units_);
    if (!text) {
        return RowAddress{{}, false};
    }
    if (text->size() > kMaxEntryBytes) {
        return std::nullopt;
    }
    return RowAddress{std::move(*text)};
}

std::optional<std::string_view> CacheRowReader::fetch(const Located &at, std::size_t keep) {
    const std::size_t count = std::min<std::size_t>(keep, at.count);
    if (at.offset >= bufferStart_ && at.offset + count <= bufferStart_ + bufferLength_) {
        return std::string_view(buffer_.data() + (at.offset - bufferStart_), count);
    }
    fetched_.resize(count);  // the row began before the buffer that holds its end
    if (source_.readAt(at.offset, fetched_.data(), count) != count) {
        return std::nullopt;
    }
    return fetched_;
}
}  // namespace ravelo
