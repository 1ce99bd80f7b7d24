#pragma once

#include <string>
#include <string_view>

#include "addresses/address_list.h"

// The contact file in the column layout of Outlook's contact import: a header line naming 92
// columns, then one record of 86 fields per address. Lines are returned without their line end.
namespace ravelo {

const std::string &importNote();
std::string HeaderLine();
// The first record of an export, and the records after it: the same values, quoted differently.
std::string FirstRecordLine(std::string_view address);
std::string LaterRecordLine(std::string_view address);

// Everything one export appends for a list: nothing for an empty list, otherwise the header
// line and a record per entry in list order, each line ended by CR LF.
std::string contactFileText(const AddressList &list);

}  // namespace ravelo
