#include "scan/address_scanner.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace ravelo {
namespace {

constexpr std::string_view kMarker = "SMTP:";
constexpr char kTerminator = 3;

#if defined(__GLIBC__)

// Most text holds few "S" bytes, and memchr skips to the next one fastest of all. Text dense with
// them (all "S", "SMTP" over and over) is left to memmem, whose cost does not depend on the bytes
// but which costs more to start than a marker between two addresses is worth.
const char *findMarkerIn(const char *begin, std::size_t length) {
    constexpr int kFalseStartsBeforeMemmem = 16;
    const char *end = begin + length;
    const char *at = begin;
    for (int falseStarts = 0; falseStarts < kFalseStartsBeforeMemmem; ++falseStarts) {
        if (end - at < static_cast<std::ptrdiff_t>(kMarker.size())) {
            return nullptr;
        }
        at = static_cast<const char *>(
            std::memchr(at, kMarker[0], static_cast<std::size_t>(end - at) - (kMarker.size() - 1)));
        if (at == nullptr) {
            return nullptr;
        }
        if (std::memcmp(at + 1, kMarker.data() + 1, kMarker.size() - 1) == 0) {
            return at;
        }
        ++at;
    }
    return static_cast<const char *>(
        memmem(at, static_cast<std::size_t>(end - at), kMarker.data(), kMarker.size()));
}

#else

// How far the search may move on when the last byte of a window is `byte`: to the next place
// where that byte could stand under the marker's own copy of it. All five letters of the marker
// differ, so no input makes the search compare a window more than once.
constexpr std::array<std::uint8_t, 256> kSkips = [] {
    std::array<std::uint8_t, 256> skips{};
    skips.fill(static_cast<std::uint8_t>(kMarker.size()));
    for (std::size_t i = 0; i + 1 < kMarker.size(); ++i) {
        skips[static_cast<unsigned char>(kMarker[i])] =
            static_cast<std::uint8_t>(kMarker.size() - 1 - i);
    }
    return skips;
}();

// The first marker in [begin, begin + length), or null.
const char *findMarkerIn(const char *begin, std::size_t length) {
    constexpr std::size_t last = kMarker.size() - 1;
    for (std::size_t at = 0; at + last < length;) {
        const auto end = static_cast<unsigned char>(begin[at + last]);
        if (end == static_cast<unsigned char>(kMarker[last]) &&
            std::memcmp(begin + at, kMarker.data(), last) == 0) {
            return begin + at;
        }
        at += kSkips[end];
    }
    return nullptr;
}

#endif

}  // namespace

AddressScanner::AddressScanner(ByteSource &source, std::size_t bufferSize,
                               std::size_t maxEntryBytes)
    : source_(source),
      buffer_(std::max(bufferSize, kMarker.size())),
      maxEntryBytes_(maxEntryBytes) {}

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
        if (const char *hit = findMarkerIn(at(from), available)) {
            return from + static_cast<std::uint64_t>(hit - at(from));
        }
        from += available - (kMarker.size() - 1);
    }
}

std::optional<std::uint64_t> AddressScanner::findTerminator(std::uint64_t from) {
    for (;;) {
        const std::size_t available = fill(from, 1);
        if (available == 0) {
            return std::nullopt;
        }
        if (const void *hit = std::memchr(at(from), kTerminator, available)) {
            return from + static_cast<std::uint64_t>(static_cast<const char *>(hit) - at(from));
        }
        from += available;
    }
}

std::string AddressScanner::textUpToZero(std::uint64_t from, std::uint64_t end) {
    std::string text;
    while (from < end) {
        const auto chunk =
            static_cast<std::size_t>(std::min<std::uint64_t>(fill(from, 1), end - from));
        if (chunk == 0) {
            break;  // the file was cut short by someone else while it was read
        }
        const char *bytes = at(from);
        if (const void *zero = std::memchr(bytes, '\0', chunk)) {
            text.append(bytes, static_cast<const char *>(zero));
            break;
        }
        text.append(bytes, chunk);
        from += chunk;
    }
    return text;
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
    if (!terminator_ || *terminator_ < textStart) {
        terminator_ = findTerminator(textStart);
        if (!terminator_) {
            ended_ = true;
            return std::nullopt;
        }
    }
    // The text runs up to and including its terminator; an entry keeps its first bytes only.
    const std::uint64_t textEnd =
        std::min<std::uint64_t>(*terminator_ + 1, textStart + maxEntryBytes_);
    return textUpToZero(textStart, textEnd);
}

}  // namespace ravelo
