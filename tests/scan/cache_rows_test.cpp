#include "scan/cache_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/cache_file.h"
#include "support/memory_source.h"

using namespace ravelo;
using namespace ravelo::testing;
using namespace std::string_literals;

namespace {

constexpr const char *kLeftOut = "(left out)";

std::vector<std::string> rowAddresses(const std::string &bytes, std::size_t bufferSize) {
    MemorySource source(bytes);
    CacheRowReader reader(source, bufferSize);
    std::vector<std::string> found;
    while (auto row = reader.next()) {
        found.push_back(row->fitsCodePage ? row->text : kLeftOut);
    }
    EXPECT_FALSE(reader.next()) << "the rows, once ended, stay ended";
    return found;
}

std::string cache(std::vector<Row> rows) {
    return cacheBytes({.rows = std::move(rows)});
}

struct RowCase {
    const char *name;
    std::string bytes;
    std::vector<std::string> expected;
};

}  // namespace

TEST(CacheRows, TakesTheAddressOfEveryRowTheMarkerCannotSeeAndStopsWhereTheRowsCannotBeRead) {
    const Property unknownType{0x0099, 0x3001, "\1\0\0\0x"s};
    const Row smtpWithEmptySmtpAddress = {text16(kSmtpAddress, u""), text8(kAddressType, "smtp"),
                                          text8(kEmailAddress, "eve@example.org")};
    const Row everyKindSteppedOver = {
        {0x0001, 0x1000, {}},
        {0x0040, 0x0F01, {}, ~0ull},
        {0x0048, 0x0FFF, std::string(16, 'S')},
        {0x101F, 0x8000, le32(2) + counted("SMTP:a\0"s) + counted("x")},
        {0x1102, 0x8001, le32(1) + counted("SMTP:")},
        text16(kSmtpAddress, u"zoe@example.org")};
    std::string hugeCount = cache({exchangeRow(u"ann@example.org")});
    hugeCount.replace(12, 4, le32(0xFFFFFFFF));
    const std::string trailerOnly = cacheHeader({}, 1) + rowBytes(keylessRow(u"ann@x.org"));

    const RowCase cases[] = {
        {"an Internet row with its search key is the marker's",
         cache({smtpRow("ann@example.org")}),
         {}},
        {"an Exchange row gives its SMTP address",
         cache({exchangeRow(u"Ann@Example.org")}),
         {"Ann@Example.org"}},
        {"an Exchange row without one gives nothing",
         cache({{text8(kAddressType, "EX"), text8(kEmailAddress, "/o=Org/cn=ann"),
                 searchKey("EX:/O=ORG/CN=ANN")}}),
         {}},
        {"an Internet row without a search key gives its e-mail address, in either form",
         cache({keylessRow(u"bob@example.org"),
                {text8(kAddressType, "SMTP"), text8(kEmailAddress, "caf\xe9@example.org")}}),
         {"bob@example.org", "caf\xe9@example.org"}},
        {"an empty SMTP address gives way to the e-mail address of an SMTP row",
         cache({smtpWithEmptySmtpAddress}),
         {"eve@example.org"}},
        {"an e-mail address of no SMTP row is no address",
         cache({{text8(kEmailAddress, "x@y.org")}, {text8(kAddressType, "X400")}}),
         {}},
        {"the .NK2 files of Outlook 2003 and 2007, with more after the rows",
         cacheBytes({.rows = {keylessRow(u"old@example.org")},
                     .major = 10,
                     .minor = 1,
                     .trailer = std::string(32, '\xff')}),
         {"old@example.org"}},
        {"nothing at all after the rows", trailerOnly, {"ann@x.org"}},
        {"letters outside the code page are left out, not altered",
         cache({exchangeRow(u"\u7528\u6237@example.cn"), keylessRow(u"ok@example.org")}),
         {kLeftOut, "ok@example.org"}},
        {"every type with a length of its own is stepped over",
         cache({everyKindSteppedOver}),
         {"zoe@example.org"}},
        {"a type that cannot be stepped over ends the rows there",
         cache({keylessRow(u"a@x.org"),
                {unknownType, text16(kSmtpAddress, u"b@x.org")},
                keylessRow(u"c@x.org")}),
         {"a@x.org"}},
        {"a count past the end ends the rows",
         cache({keylessRow(u"a@x.org"),
                {{0x0102, 0x0FFF, le32(0xFFFFFFFF)}},
                keylessRow(u"c@x.org")}),
         {"a@x.org"}},
        {"a row count past the rows there are", hugeCount, {"ann@example.org"}},
        {"an address longer than an entry can be is none",
         cache({keylessRow(std::u16string(4097, u'a')),
                keylessRow(u"a@x.org"),
                {text8(kSmtpAddress, std::string(4097, 'b'))}}),
         {"a@x.org"}},
        {"an address as long as an entry can be",
         cache({keylessRow(std::u16string(4096, u'a')),
                {text8(kSmtpAddress, std::string(4096, 'b'))}}),
         {std::string(4096, 'a'), std::string(4096, 'b')}},
        {"a file without the signature has no rows", cache({keylessRow(u"a@x.org")}).substr(1), {}},
        {"a file shorter than the header has no rows", "\x0D\xF0\xAD\xBA"s, {}},
    };
    for (const RowCase &c : cases) {
        for (std::size_t bufferSize : {16, 17, 1 << 16}) {
            EXPECT_EQ(rowAddresses(c.bytes, bufferSize), c.expected)
                << c.name << ", buffer " << bufferSize;
        }
    }
}

// A file cut off anywhere: the rows that it holds whole give their addresses, the one cut gives
// nothing, whatever its property was cut in.
TEST(CacheRows, AFileCutShortGivesTheRowsItHoldsWhole) {
    const Row everyKind = {{0x0001, 0x1000, {}},
                           {0x0048, 0x0FFF, std::string(16, 'x')},
                           {0x101E, 0x8000, le32(2) + counted("a\0"s) + counted("bc\0"s)},
                           {0x1102, 0x8001, le32(1) + counted("x")},
                           text8(kAddressType, "SMTP"),
                           text16(kEmailAddress, u"ann@example.org")};
    const std::string first = cacheHeader({}, 2) + rowBytes(everyKind);
    const std::string whole = first + rowBytes(exchangeRow(u"bob@example.org"));
    for (std::size_t size = 0; size <= whole.size(); ++size) {
        std::vector<std::string> expected;
        if (size >= first.size()) {
            expected.push_back("ann@example.org");
        }
        if (size == whole.size()) {
            expected.push_back("bob@example.org");
        }
        ASSERT_EQ(rowAddresses(whole.substr(0, size), 16), expected) << "cut at " << size;
    }
}
