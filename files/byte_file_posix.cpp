#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <memory>
#include <utility>

#include "files/byte_file.h"

namespace ravelo {

struct ByteFile::Handle {
    int fd;
    ~Handle() { ::close(fd); }
};

std::unique_ptr<ByteSource> openByteFile(const FilePath &path) {
    return ByteFile::open(path);
}

ByteFile::ByteFile(std::unique_ptr<Handle> handle) : handle_(std::move(handle)) {}
ByteFile::~ByteFile() = default;

std::unique_ptr<ByteFile> ByteFile::open(const FilePath &path) {
    // Without O_NONBLOCK, opening a FIFO would wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) {
            return std::unique_ptr<ByteFile>(new ByteFile(nullptr));
        }
        return nullptr;
    }
    std::unique_ptr<Handle> handle(new Handle{fd});
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        return nullptr;
    }
    return std::unique_ptr<ByteFile>(new ByteFile(std::move(handle)));
}

std::size_t ByteFile::readAt(std::uint64_t offset, char *out, std::size_t count) {
    if (handle_ == nullptr) {
        return 0;
    }
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n =
            ::pread(handle_->fd, out + done, count - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            failed_ = true;
        }
        if (n <= 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return done;
}

}  // namespace ravelo
