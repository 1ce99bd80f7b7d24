#include "scan/address_scanner.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace ravelo {
namespace {

constexpr std::string_view kMarker = "SMTP:";
constexpr char kTerminator = 3;

}  // namespace

AddressScanner::AddressScanner(ByteSource &source, std::size_t bufferSize)
    : source_(source), buffer_(std::max(bufferSize, kMarker.size())) {}

std::size_t AddressScanner::fill(std::uint64_t offset, std::size_t need) {
    const std::uint64_t end = bufferStart_ + bufferLength_;
    const bool endsFile = bufferLength_ < buffer_.size();
    const bool held = offset >= bufferStart_ && offset <= end && (offset + need <= end || endsFile);
    if (!held) {
        bufferStart_ = offset;
        bufferLength_ = source_.readAt(offset, buffer_.data(), buffer_.size());
    }
    return static_cast<std::size_t>(bufferStart_ + bufferLength_ - offset);
}

const char *AddressScanner::at(std::uint64_t offset) const {
    return buffer_.data() + (offset - bufferStart_);
}

std::optional<std::uint64_t> AddressScanner::findMarker(std::uint64_t from) {
    for (;;) {
        const std::size_t available = fill(from, kMarker.size());
        if (available < kMarker.size()) {
            return std::nullopt;
        }
        const char *begin = at(from);
        const char *last = begin + (available - kMarker.size());  // the last whole window
        for (const char *s = begin; s <= last; ++s) {
            s = static_cast<const char *>(
                std::memchr(s, kMarker[0], static_cast<std::size_t>(last - s) + 1));
            if (s == nullptr) {
                break;
            }
            if (std::memcmp(s + 1, kMarker.data() + 1, kMarker.size() - 1) == 0) {
                return from + static_cast<std::uint64_t>(s - begin);
            }
        }
        from += available - (kMarker.size() - 1);
    }
}

std::optional<std::uint64_t> AddressScanner::findByte(char byte, std::uint64_t from,
                                                      std::uint64_t limit) {
    while (from < limit) {
        const std::size_t available =
            static_cast<std::size_t>(std::min<std::uint64_t>(fill(from, 1), limit - from));
        if (available == 0) {
            return std::nullopt;
        }
        const void *hit = std::memchr(at(from), byte, available);
        if (hit != nullptr) {
            return from + static_cast<std::uint64_t>(static_cast<const char *>(hit) - at(from));
        }
        from += available;
    }
    return std::nullopt;
}

std::optional<std::string> AddressScanner::next() {
    if (ended_) {
        return std::nullopt;
    }
    const std::optional<std::uint64_t> marker = findMarker(window_);
    if (!marker) {
        ended_ = true;
        return std::nullopt;
    }
    const std::uint64_t textStart = *marker + kMarker.size();
    window_ = textStart + 1;
    std::optional<std::string> address = addressInBuffer(textStart);
    if (!address) {
        address = addressAcrossBuffers(textStart);
    }
    ended_ = !address;
    return address;
}

// Most addresses lie in the buffer that holds their marker: searched there, they cost two memchr
// calls and a copy.
std::optional<std::string> AddressScanner::addressInBuffer(std::uint64_t textStart) const {
    const std::uint64_t end = bufferStart_ + bufferLength_;
    if (textStart >= end) {
        return std::nullopt;
    }
    const char *text = at(textStart);
    const auto *terminator = static_cast<const char *>(
        std::memchr(text, kTerminator, static_cast<std::size_t>(end - textStart)));
    if (terminator == nullptr) {
        return std::nullopt;
    }
    const auto *zero = static_cast<const char *>(
        std::memchr(text, '\0', static_cast<std::size_t>(terminator - text)));
    return std::string(text, zero != nullptr ? zero : terminator + 1);
}

std::optional<std::string> AddressScanner::addressAcrossBuffers(std::uint64_t textStart) {
    const std::optional<std::uint64_t> terminator = findByte(kTerminator, textStart, UINT64_MAX);
    if (!terminator) {
        return std::nullopt;
    }
    // The address is the text up to its first zero byte, or the whole text with its terminator.
    const std::uint64_t textEnd =
        findByte('\0', textStart, *terminator + 1).value_or(*terminator + 1);
    std::string address;
    address.reserve(static_cast<std::size_t>(textEnd - textStart));
    for (std::uint64_t offset = textStart; offset < textEnd;) {
        const auto chunk =
            static_cast<std::size_t>(std::min<std::uint64_t>(fill(offset, 1), textEnd - offset));
        if (chunk == 0) {
            break;  // the file was cut short by someone else while it was read
        }
        address.append(at(offset), chunk);
        offset += chunk;
    }
    return address;
}

}  // namespace ravelo
