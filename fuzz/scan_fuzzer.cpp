// Scans arbitrary bytes, through buffers of many sizes, and checks every address against the
// rules read one byte at a time.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "scan/address_scanner.h"
#include "support/memory_source.h"
#include "support/reference_scan.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte picks the buffer size, so that markers and addresses cross its edges, and
    // the longest entry, so that entries are cut inside and across buffers too.
    const std::size_t bufferSize = 5 + data[0] % 64;
    const std::size_t maxEntryBytes = data[0] < 128 ? 4096 : 1 + data[0] % 32;
    const std::string bytes(reinterpret_cast<const char *>(data + 1), size - 1);
    ravelo::testing::MemorySource source(bytes);
    ravelo::AddressScanner scanner(source, bufferSize, maxEntryBytes);
    std::vector<std::string> found;
    while (auto address = scanner.next()) {
        found.push_back(*address);
    }
    if (found != ravelo::testing::referenceScan(bytes, maxEntryBytes)) {
        std::fprintf(stderr, "scan differs from the rules (buffer %zu, entry %zu)\n", bufferSize,
                     maxEntryBytes);
        std::abort();
    }
    return 0;
}
