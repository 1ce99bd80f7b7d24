#include "scan/address_scanner.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "support/memory_source.h"
#include "support/reference_scan.h"

using ravelo::AddressScanner;
using ravelo::testing::MemorySource;
using ravelo::testing::referenceScan;
using namespace std::string_literals;

namespace {

std::vector<std::string> scanAll(const std::string &bytes, std::size_t bufferSize,
                                 std::size_t maxEntryBytes = ravelo::kMaxEntryBytes) {
    MemorySource source(bytes);
    AddressScanner scanner(source, bufferSize, maxEntryBytes);
    std::vector<std::string> found;
    while (auto address = scanner.next()) {
        found.push_back(*address);
    }
    EXPECT_FALSE(scanner.next()) << "nothing may be found after the end";
    return found;
}

struct Case {
    const char *name;
    std::string bytes;
    std::vector<std::string> expected;
};

const Case kCases[] = {
    {"worked example", "xxxSMTP:abc\0z\3"s, {"abc"}},
    {"marker at the first byte is not seen", "SMTP:abc\3"s, {}},
    {"marker at the second byte is seen", "xSMTP:abc\0\3"s, {"abc"}},
    {"without a zero the terminator stays", "xSMTP:abc\3"s, {"abc\3"}},
    {"terminator right after the marker", "xSMTP:\3"s, {"\3"}},
    {"zero right after the marker gives an empty entry", "xSMTP:\0zz\3"s, {""}},
    {"a marker directly after a marker is part of the text", "xSMTP:SMTP:x\3"s, {"SMTP:x\3"}},
    {"a marker six bytes after a marker is found", "xSMTP:aSMTP:b\3"s, {"aSMTP:b\3", "b\3"}},
    {"the marker is case-sensitive", "xsmtp:abc\3xSmtp:d\3"s, {}},
    {"marker in the last five bytes adds nothing", "xxabc\3SMTP:"s, {}},
    {"a missing terminator ends the scan", "xSMTP:abcSMTP:def"s, {}},
    {"file shorter than six bytes", "xSMTP"s, {}},
    {"empty file", ""s, {}},
    {"nothing but markers", "SMTP:SMTP:SMTP:SMTP:SMTP:SMTP:"s, {}},
    {"two equal addresses", "xSMTP:a@b\0\3SMTP:a@b\0\3"s, {"a@b", "a@b"}},
    {"high bytes pass unchanged", "xSMTP:\xe9\x80\xff\3"s, {"\xe9\x80\xff\3"}},
};

}  // namespace

TEST(AddressScanner, FindsWhatTheRulesSay) {
    for (const Case &c : kCases) {
        for (std::size_t bufferSize : {5u, 6u, 7u, 11u, 1u << 20}) {
            EXPECT_EQ(scanAll(c.bytes, bufferSize), c.expected)
                << c.name << ", buffer of " << bufferSize;
        }
        EXPECT_EQ(referenceScan(c.bytes), c.expected) << c.name << " (reference)";
    }
}

TEST(AddressScanner, AgreesWithTheRulesOnRandomBytes) {
    std::mt19937 random(20261207);
    const std::string pieces[] = {"SMTP:", "SMTP:", "S", "MTP:", "\3", "\0"s, "a", "bc", "\xff"};
    for (int round = 0; round < 2000; ++round) {
        std::string bytes;
        const int length = static_cast<int>(random() % 40);
        for (int i = 0; i < length; ++i) {
            bytes += pieces[random() % std::size(pieces)];
        }
        const std::size_t bufferSize = 5 + random() % 12;
        const std::size_t maxEntryBytes = 1 + random() % 12;
        ASSERT_EQ(scanAll(bytes, bufferSize, maxEntryBytes), referenceScan(bytes, maxEntryBytes))
            << "buffer " << bufferSize << ", entries of " << maxEntryBytes << ", bytes of length "
            << bytes.size();
    }
}

TEST(AddressScanner, AnEntryKeepsItsFirst4096BytesAndTheScanGoesOnAsBefore) {
    const std::string address(5000, 'q');
    const std::string bytes =
        "xSMTP:" + address + "SMTP:b\0\3"s + "SMTP:" + std::string(4096, 'r') + "\0\3"s;
    const std::vector<std::string> found = scanAll(bytes, 64);
    ASSERT_EQ(found.size(), 3u) << "the marker inside the long text is still found";
    EXPECT_EQ(found[0], address.substr(0, 4096));
    EXPECT_EQ(found[1], "b");
    EXPECT_EQ(found[2], std::string(4096, 'r')) << "an entry of exactly the limit is whole";
    EXPECT_EQ(found, referenceScan(bytes));
}

namespace {

// Counts what the scanner reads.
class CountingSource final : public ravelo::ByteSource {
public:
    explicit CountingSource(const std::string &bytes) : memory_(bytes) {}
    std::size_t readAt(std::uint64_t offset, char *out, std::size_t count) override {
        const std::size_t n = memory_.readAt(offset, out, count);
        read += n;
        return n;
    }
    std::uint64_t read = 0;

private:
    MemorySource memory_;
};

}  // namespace

// However the markers and terminators lie, the file is read about once: one terminator far
// behind a thousand markers is searched for once, not once for each of them.
TEST(AddressScanner, ReadsEachByteAboutOnceWhateverTheInput) {
    const std::size_t tail = 4 << 20;
    std::string markersThenFarEnd("x");
    for (int i = 0; i < 1000; ++i) {
        markersThenFarEnd += "SMTP:a";
    }
    markersThenFarEnd += std::string(tail, 'a') + "\3";
    std::string sharedTail = "xSMTP:aSMTP:aSMTP:a" + std::string(tail, 'a') + "\3";
    for (const std::string *bytes : {&markersThenFarEnd, &sharedTail}) {
        CountingSource source(*bytes);
        AddressScanner scanner(source, 1 << 16);
        std::size_t found = 0;
        while (auto address = scanner.next()) {
            EXPECT_LE(address->size(), ravelo::kMaxEntryBytes);
            ++found;
        }
        EXPECT_EQ(found, referenceScan(*bytes).size());
        EXPECT_LE(source.read, 3 * bytes->size()) << "bytes of the file: " << bytes->size();
    }
}
