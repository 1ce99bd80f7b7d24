// Reads arbitrary bytes as a cache's rows, through a small buffer and a large one, and checks that
// both give the same addresses: a count is never believed beyond the bytes that are there, and
// the edges of the buffer change nothing.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "scan/cache_rows.h"
#include "support/memory_source.h"

namespace {

std::vector<std::string> rowAddresses(const std::string &bytes, std::size_t bufferSize) {
    ravelo::testing::MemorySource source(bytes);
    ravelo::CacheRowReader reader(source, bufferSize);
    std::vector<std::string> found;
    while (auto row = reader.next()) {
        found.push_back(row->fitsCodePage ? row->text : std::string("\1left out"));
    }
    return found;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte picks the small buffer's size, so that properties cross its edges. The
    // signature is given, so that every input is read as rows.
    const std::size_t bufferSize = 16 + data[0] % 48;
    const std::string bytes = std::string("\x0D\xF0\xAD\xBA", 4) +
                              std::string(reinterpret_cast<const char *>(data + 1), size - 1);
    const std::vector<std::string> small = rowAddresses(bytes, bufferSize);
    if (small != rowAddresses(bytes, 1 << 16) || small.size() > bytes.size() / 20) {
        std::fprintf(stderr, "rows differ with the buffer (%zu) or exceed the bytes\n", bufferSize);
        std::abort();
    }
    return 0;
}
