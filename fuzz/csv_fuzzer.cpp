// Builds both record forms for an arbitrary address and reads them back as RFC 4180 does: every
// record must have 86 fields and carry the address unchanged.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "export/contact_csv.h"
#include "support/csv_reader.h"

namespace {

void check(bool ok, const char *what) {
    if (!ok) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string address(reinterpret_cast<const char *>(data), size);
    for (const std::string &line :
         {ravelo::FirstRecordLine(address), ravelo::LaterRecordLine(address)}) {
        const auto fields = ravelo::testing::readCsvLine(line);
        check(fields.has_value(), "the record is not valid CSV");
        check(fields->size() == 86, "the record does not have 86 fields");
        check((*fields)[57] == address, "the address changed");
        check((*fields)[59] == "(" + address + ")", "the display name changed");
        check((*fields)[77] == ravelo::importNote(), "the note changed");
    }
    return 0;
}
