#pragma once

#include <optional>
#include <set>
#include <string>

#include "files/byte_file.h"
#include "scan/address_scanner.h"
#include "scan/cache_rows.h"

namespace ravelo {

// The addresses of one cache file in the order Browse adds them: first every one that follows
// the "SMTP:" marker, duplicates and all; then, once the marker scan has ended, the address of
// each row that the marker cannot see, unless this run has given it already in either way
// (ignoring the case of ASCII letters, as search keys are in capitals). A row's address that the
// code page cannot hold is left out and counted, never altered.
class CacheAddresses {
public:
    explicit CacheAddresses(ByteSource &source);

    std::optional<std::string> next();
    // How many rows' addresses were left out so far for letters the code page cannot hold.
    int leftOut() const { return leftOut_; }

private:
    std::optional<std::string> given(std::string address);

    ByteSource &source_;
    AddressScanner scanner_;
    CacheRowReader rows_;
    std::set<std::string> given_;  // ASCII-folded, no more than one run adds
    int leftOut_ = 0;
};

}  // namespace ravelo
