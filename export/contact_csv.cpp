#include "export/contact_csv.h"

#include <array>

#include "platform/product.h"

namespace ravelo {
namespace {

enum class Value { kEmpty, kAddress, kDisplayName, kNote, kFixed };

struct Column {
    std::string_view name;
    Value value = Value::kEmpty;
    std::string_view fixed = {};
    bool quotedLater = false;  // the field's form in records after the first
};

constexpr Column kEmptyBare(std::string_view name) {
    return {name};
}
constexpr Column kEmptyQuoted(std::string_view name) {
    return {name, Value::kEmpty, {}, true};
}
constexpr Column kFixedBare(std::string_view name, std::string_view value) {
    return {name, Value::kFixed, value, false};
}

constexpr std::array<Column, 86> kRecordColumns = {
    kEmptyQuoted("Title"),
    kEmptyBare("First Name"),
    kEmptyBare("Middle Name"),
    kEmptyBare("Last Name"),
    kEmptyBare("Suffix"),
    kEmptyQuoted("Company"),
    kEmptyQuoted("Department"),
    kEmptyQuoted("Job Title"),
    kEmptyBare("Business Street"),
    kEmptyBare("Business Street 2"),
    kEmptyBare("Business Street 3"),
    kEmptyBare("Business City"),
    kEmptyBare("Business State"),
    kEmptyBare("Business Postal Code"),
    kEmptyBare("Business Country"),
    kEmptyBare("Home Street"),
    kEmptyBare("Home Street 2"),
    kEmptyBare("Home Street 3"),
    kEmptyBare("Home City"),
    kEmptyBare("Home State"),
    kEmptyBare("Home Postal Code"),
    kEmptyBare("Home Country"),
    kEmptyBare("Other Street"),
    kEmptyBare("Other Street 2"),
    kEmptyBare("Other Street 3"),
    kEmptyBare("Other City"),
    kEmptyBare("Other State"),
    kEmptyBare("Other Postal Code"),
    kEmptyBare("Other Country"),
    kEmptyBare("Assistant's Phone"),
    kEmptyBare("Business Fax"),
    kEmptyBare("Business Phone"),
    kEmptyBare("Business Phone 2"),
    kEmptyBare("Callback"),
    kEmptyBare("Car Phone"),
    kEmptyBare("Company Main Phone"),
    kEmptyBare("Home Fax"),
    kEmptyBare("Home Phone"),
    kEmptyBare("Home Phone 2"),
    kEmptyBare("ISDN"),
    kEmptyBare("Mobile Phone"),
    kEmptyBare("Other Fax"),
    kEmptyBare("Other Phone"),
    kEmptyBare("Pager"),
    kEmptyBare("Primary Phone"),
    kEmptyBare("Radio Phone"),
    kEmptyBare("TTY/TDD Phone"),
    kEmptyBare("Telex"),
    kEmptyQuoted("Account"),
    kFixedBare("Anniversary", "0/0/00"),
    kEmptyBare("Assistant's Name"),
    kEmptyBare("Billing Information"),
    kFixedBare("Birthday", "0/0/00"),
    kEmptyBare("Business Address PO Box"),
    kEmptyBare("Categories"),
    kEmptyBare("Children"),
    kEmptyBare("Directory Server"),
    Column{"E-mail Address", Value::kAddress, {}, true},
    kFixedBare("E-mail Type", "SMTP"),
    Column{"E-mail Display Name", Value::kDisplayName, {}, true},
    kEmptyBare("E-mail 2 Address"),
    kEmptyBare("E-mail 2 Type"),
    kEmptyBare("E-mail 2 Display Name"),
    kEmptyBare("E-mail 3 Address"),
    kEmptyBare("E-mail 3 Type"),
    kEmptyBare("E-mail 3 Display Name"),
    kFixedBare("Gender", "Unspecified"),
    kEmptyBare("Government ID Number"),
    kEmptyBare("Hobby"),
    kEmptyBare("Home Address PO Box"),
    kEmptyBare("Initials"),
    kEmptyBare("Internet Free Busy"),
    kEmptyBare("Keywords"),
    kEmptyBare("Language"),
    kEmptyBare("Location"),
    kEmptyBare("Manager's Name"),
    kEmptyBare("Mileage"),
    Column{"Notes", Value::kNote, {}, true},
    kEmptyBare("Office Location"),
    kEmptyBare("Organizational ID Number"),
    kEmptyBare("Other Address PO Box"),
    kFixedBare("Priority", "Normal"),
    kFixedBare("Private", "False"),
    kEmptyBare("Profession"),
    kEmptyBare("Referred By"),
    kFixedBare("Sensitivity", "Normal"),
};

// Named in the header line only; no record has a field for them.
constexpr std::array<std::string_view, 6> kHeaderOnlyColumns = {
    "Spouse", "User 1", "User 2", "User 3", "User 4", "Web Page",
};

// A double quote inside a quoted field is doubled, so that every reader sees the value as is.
void appendQuoted(std::string &line, std::string_view value) {
    line += '"';
    for (char c : value) {
        if (c == '"') {
            line += '"';
        }
        line += c;
    }
    line += '"';
}

std::string fieldValue(const Column &column, std::string_view address) {
    switch (column.value) {
        case Value::kAddress:
            return std::string(address);
        case Value::kDisplayName:
            return "(" + std::string(address) + ")";
        case Value::kNote:
            return importNote();
        case Value::kFixed:
            return std::string(column.fixed);
        case Value::kEmpty:
            break;
    }
    return {};
}

enum class Form { kFirst, kLater };

std::string recordLine(std::string_view address, Form form) {
    std::string line;
    line.reserve(256 + 2 * address.size());
    for (std::size_t i = 0; i < kRecordColumns.size(); ++i) {
        if (i > 0) {
            line += ',';
        }
        const Column &column = kRecordColumns[i];
        const bool quoted = form == Form::kFirst ? i > 0 : column.quotedLater;
        const std::string value = fieldValue(column, address);
        if (quoted) {
            appendQuoted(line, value);
        } else {
            line += value;
        }
    }
    return line;
}

}  // namespace

std::string importNote() {
    return "Imported from Outlook Autocompletion cache file using Ravelo. " +
           std::string(kMakersNotice);
}

std::string HeaderLine() {
    std::string line;
    for (const Column &column : kRecordColumns) {
        appendQuoted(line, column.name);
        line += ',';
    }
    for (std::string_view name : kHeaderOnlyColumns) {
        appendQuoted(line, name);
        line += ',';
    }
    line.pop_back();
    return line;
}

std::string FirstRecordLine(std::string_view address) {
    return recordLine(address, Form::kFirst);
}

std::string LaterRecordLine(std::string_view address) {
    return recordLine(address, Form::kLater);
}

std::string contactFileText(const AddressList &list) {
    std::string text;
    for (int i = 0; i < list.Count(); ++i) {
        if (i == 0) {
            text += HeaderLine() + "\r\n" + FirstRecordLine(list.ItemAt(i));
        } else {
            text += LaterRecordLine(list.ItemAt(i));
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace ravelo
