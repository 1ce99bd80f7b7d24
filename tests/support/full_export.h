#pragma once

#include <string>

#include "addresses/address_list.h"
#include "export/contact_csv.h"

namespace ravelo::testing {

// The contact file text of the fullest list: the largest export there can be.
inline std::string fullExportText() {
    AddressList list;
    for (int i = 0; i < AddressList::kMaxCount; ++i) {
        list.Append("correspondent" + std::to_string(i) + "@example.org");
    }
    return contactFileText(list);
}

}  // namespace ravelo::testing
