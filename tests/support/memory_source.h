#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

#include "files/byte_file.h"

namespace ravelo::testing {

// Bytes in memory; with `failAt`, a disk that fails there: every read that reaches it gets
// the bytes before it and an error.
class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::string bytes, std::uint64_t failAt = UINT64_MAX)
        : bytes_(std::move(bytes)), failAt_(failAt) {}
    std::size_t readAt(std::uint64_t offset, char *out, std::size_t count) override {
        const std::uint64_t end = std::min<std::uint64_t>(bytes_.size(), failAt_);
        if (offset + count > failAt_) {
            failed_ = true;
        }
        if (offset >= end) {
            return 0;
        }
        const std::size_t n = std::min<std::size_t>(count, end - offset);
        std::copy_n(bytes_.data() + offset, n, out);
        return n;
    }
    bool failed() const override { return failed_; }

private:
    std::string bytes_;
    std::uint64_t failAt_;
    bool failed_ = false;
};

}  // namespace ravelo::testing
