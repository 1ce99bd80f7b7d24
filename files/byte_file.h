#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

#include "files/file_path.h"

namespace ravelo {

// Bytes read by their offset from the start (0-based).
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to `count` bytes at `offset` into `out`; fewer only at the end of the source or
    // when a read fails.
    virtual std::size_t readAt(std::uint64_t offset, char *out, std::size_t count) = 0;
    // True once a read has failed (a bad sector, a share gone, a medium pulled out): what came
    // short then was no end of the source.
    virtual bool failed() const { return false; }
};

// A regular file opened for reading only. Opening never creates or changes a file, and never
// waits: a device, a FIFO or a socket is not opened at all.
class ByteFile final : public ByteSource {
public:
    // A missing file reads as an empty one. Returns null for anything else that cannot be read
    // as a regular file: a folder, a device, a FIFO, a file without read permission, one locked
    // by another program.
    static std::unique_ptr<ByteFile> open(const FilePath &path);
    ~ByteFile() override;

    std::size_t readAt(std::uint64_t offset, char *out, std::size_t count) override;
    bool failed() const override { return failed_; }

private:
    struct Handle;  // the system's own, one kind for each system
    explicit ByteFile(std::unique_ptr<Handle> handle);
    std::unique_ptr<Handle> handle_;  // null for a missing file
    bool failed_ = false;
};

// How the Browse command opens the cache file it reads: ByteFile::open, unless a test says
// otherwise.
using ByteSourceOpener = std::function<std::unique_ptr<ByteSource>(const FilePath &path)>;
std::unique_ptr<ByteSource> openByteFile(const FilePath &path);

}  // namespace ravelo
