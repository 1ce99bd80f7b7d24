#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <memory>
#include <string>

namespace ravelo {

// Bytes read by their offset from the start (0-based).
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to `count` bytes at `offset` into `out`; fewer only at the end of the source.
    virtual std::size_t readAt(std::uint64_t offset, char *out, std::size_t count) = 0;
};

// A file opened for reading only. Opening never creates or changes a file.
class ByteFile final : public ByteSource {
public:
    // A missing file reads as an empty one. Returns null for a file that exists but cannot be
    // read: a folder, a file without read permission, one locked by another program.
    static std::unique_ptr<ByteFile> open(const std::string &pathText);

    std::size_t readAt(std::uint64_t offset, char *out, std::size_t count) override;

private:
    ByteFile() = default;
    std::ifstream stream_;
    bool empty_ = false;
};

}  // namespace ravelo
