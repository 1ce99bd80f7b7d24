#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

#include "platform/byte_file.h"

namespace ravelo::testing {

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::string bytes) : bytes_(std::move(bytes)) {}
    std::size_t readAt(std::uint64_t offset, char *out, std::size_t count) override {
        if (offset >= bytes_.size()) {
            return 0;
        }
        const std::size_t n = std::min<std::size_t>(count, bytes_.size() - offset);
        std::copy_n(bytes_.data() + offset, n, out);
        return n;
    }

private:
    std::string bytes_;
};

}  // namespace ravelo::testing
