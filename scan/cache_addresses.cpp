#include "scan/cache_addresses.h"

#include <utility>

namespace ravelo {
namespace {

std::string foldedAscii(std::string text) {
    for (char &c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

}  // namespace

CacheAddresses::CacheAddresses(ByteSource &source)
    : source_(source), scanner_(source), rows_(source) {}

std::optional<std::string> CacheAddresses::next() {
    if (std::optional<std::string> address = scanner_.next()) {
        return given(std::move(*address));
    }
    if (source_.failed()) {
        return std::nullopt;  // what could not be read is said, not read again
    }
    while (std::optional<RowAddress> row = rows_.next()) {
        if (!row->fitsCodePage) {
            ++leftOut_;
        } else if (!given_.contains(foldedAscii(row->text))) {
            return given(std::move(row->text));
        }
    }
    return std::nullopt;
}

std::optional<std::string> CacheAddresses::given(std::string address) {
    given_.insert(foldedAscii(address));
    return address;
}

}  // namespace ravelo
