#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Made-up autocomplete caches, written from a table of rows, so that each test case reads as
// data: the signature, the version, the rows of typed properties, then a trailer.
namespace ravelo::testing {

// One property: its type and id, the 8 bytes of its value, and what follows them.
struct Property {
    std::uint16_t type;
    std::uint16_t id;
    std::string after;  // a count and its bytes, or nothing for the fixed types
    std::uint64_t value = 0;
};

using Row = std::vector<Property>;

struct CacheFile {
    std::vector<Row> rows;
    std::uint32_t major = 12;  // 10 with minor 1 in the .NK2 files of Outlook 2003 and 2007
    std::uint32_t minor = 0;
    std::string trailer = std::string(12, '\0');  // the extra-info count and the metadata
};

inline std::string le32(std::uint32_t value) {
    std::string bytes;
    for (int i = 0; i < 4; ++i) {
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return bytes;
}

inline std::string counted(std::string_view bytes) {
    return le32(static_cast<std::uint32_t>(bytes.size())) + std::string(bytes);
}

inline std::string utf16le(std::u16string_view text) {
    std::string bytes;
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

// Strings as Outlook writes them, with their terminating zero.
inline Property text8(std::uint16_t id, std::string_view text) {
    return {0x001E, id, counted(std::string(text) + '\0')};
}
inline Property text16(std::uint16_t id, std::u16string_view text) {
    return {0x001F, id, counted(utf16le(std::u16string(text) + u'\0'))};
}
inline Property searchKey(std::string_view key) {
    return {0x0102, 0x300B, counted(std::string(key) + '\0')};
}
inline Property int32(std::uint16_t id, std::uint32_t value) {
    return {0x0003, id, {}, value};
}

inline constexpr std::uint16_t kDisplayName = 0x3001;
inline constexpr std::uint16_t kAddressType = 0x3002;
inline constexpr std::uint16_t kEmailAddress = 0x3003;
inline constexpr std::uint16_t kSmtpAddress = 0x39FE;

inline std::string propertyBytes(const Property &property) {
    std::string bytes;
    bytes += static_cast<char>(property.type & 0xFF);
    bytes += static_cast<char>(property.type >> 8);
    bytes += static_cast<char>(property.id & 0xFF);
    bytes += static_cast<char>(property.id >> 8);
    bytes += le32(0);
    bytes += le32(static_cast<std::uint32_t>(property.value));
    bytes += le32(static_cast<std::uint32_t>(property.value >> 32));
    return bytes + property.after;
}

// The rows alone, each its property count and properties.
inline std::string rowBytes(const Row &row) {
    std::string bytes = le32(static_cast<std::uint32_t>(row.size()));
    for (const Property &property : row) {
        bytes += propertyBytes(property);
    }
    return bytes;
}

// The header, with `rowCount` (the number of rows given, unless a test says otherwise).
inline std::string cacheHeader(const CacheFile &cache, std::uint32_t rowCount) {
    return le32(0xBAADF00D) + le32(cache.major) + le32(cache.minor) + le32(rowCount);
}

inline std::string cacheBytes(const CacheFile &cache) {
    std::string bytes = cacheHeader(cache, static_cast<std::uint32_t>(cache.rows.size()));
    for (const Row &row : cache.rows) {
        bytes += rowBytes(row);
    }
    return bytes + cache.trailer;
}

// Rows as Outlook writes them: an Internet entry with its search key (the marker's), an Exchange
// entry, and an Internet entry without a search key.
inline Row smtpRow(std::string_view address) {
    std::string upper(address);
    for (char &c : upper) {
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    return {text8(kDisplayName, address), text8(kAddressType, "SMTP"),
            text8(kEmailAddress, address), searchKey("SMTP:" + upper), int32(0x3900, 0)};
}
inline Row exchangeRow(std::u16string_view smtpAddress) {
    return {text16(kDisplayName, u"Colleague"), text16(kAddressType, u"EX"),
            text16(kEmailAddress, u"/o=Org/ou=Site/cn=Recipients/cn=colleague"),
            searchKey("EX:/O=ORG/OU=SITE/CN=RECIPIENTS/CN=COLLEAGUE"),
            text16(kSmtpAddress, smtpAddress)};
}
inline Row keylessRow(std::u16string_view address) {
    return {text16(kDisplayName, address), text16(kAddressType, u"SMTP"),
            text16(kEmailAddress, address)};
}

}  // namespace ravelo::testing
