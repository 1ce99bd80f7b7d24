#include "export/contact_csv.h"

#include <array>
#include <vector>

#include "texts/product.h"

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

// A value in a quoted field: a double quote inside it is doubled, so that every reader sees the
// value as it is.
void appendEscaped(std::string &line, std::string_view value) {
    for (std::size_t quote; (quote = value.find('"')) != std::string_view::npos;) {
        line.append(value.substr(0, quote + 1)).push_back('"');
        value.remove_prefix(quote + 1);
    }
    line.append(value);
}

enum class Form { kFirst, kLater };

// Every record is the same text but for the address, which stands in two places. A form is made
// once, as the fixed pieces around those places, and a record is those pieces with the address.
struct RecordForm {
    std::vector<std::string> pieces;  // one more than the places of the address
    std::vector<bool> quotedPlaces;
};

RecordForm makeForm(Form form) {
    RecordForm made;
    made.pieces.emplace_back();
    for (std::size_t i = 0; i < kRecordColumns.size(); ++i) {
        const Column &column = kRecordColumns[i];
        const bool quoted = form == Form::kFirst ? i > 0 : column.quotedLater;
        std::string &piece = made.pieces.back();
        if (i > 0) {
            piece += ',';
        }
        if (quoted) {
            piece += '"';
        }
        const auto addValue = [&](std::string_view value) {
            if (quoted) {
                appendEscaped(made.pieces.back(), value);
            } else {
                made.pieces.back().append(value);
            }
        };
        switch (column.value) {
            case Value::kAddress:
            case Value::kDisplayName:
                addValue(column.value == Value::kDisplayName ? "(" : "");
                made.quotedPlaces.push_back(quoted);
                made.pieces.emplace_back(column.value == Value::kDisplayName ? ")" : "");
                break;
            case Value::kNote:
                addValue(importNote());
                break;
            case Value::kFixed:
                addValue(column.fixed);
                break;
            case Value::kEmpty:
                break;
        }
        if (quoted) {
            made.pieces.back() += '"';
        }
    }
    return made;
}

const RecordForm &recordForm(Form form) {
    static const RecordForm first = makeForm(Form::kFirst);
    static const RecordForm later = makeForm(Form::kLater);
    return form == Form::kFirst ? first : later;
}

void appendRecord(std::string &line, std::string_view address, Form which) {
    const RecordForm &form = recordForm(which);
    for (std::size_t place = 0; place < form.quotedPlaces.size(); ++place) {
        line += form.pieces[place];
        if (form.quotedPlaces[place]) {
            appendEscaped(line, address);
        } else {
            line.append(address);
        }
    }
    line += form.pieces.back();
}

std::string recordLine(std::string_view address, Form form) {
    std::string line;
    appendRecord(line, address, form);
    return line;
}

}  // namespace

const std::string &importNote() {
    static const std::string note =
        "Imported from Outlook Autocompletion cache file using Ravelo. " +
        std::string(kMakersNotice);
    return note;
}

std::string HeaderLine() {
    std::string line;
    for (const Column &column : kRecordColumns) {
        line.append("\"").append(column.name).append("\",");
    }
    for (std::string_view name : kHeaderOnlyColumns) {
        line.append("\"").append(name).append("\",");
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
    std::size_t fixed = 2;  // the line end
    for (const std::string &piece : recordForm(Form::kFirst).pieces) {
        fixed += piece.size();  // the longer of the two forms
    }
    const std::string header = HeaderLine() + "\r\n";
    std::size_t size = header.size();
    for (int i = 0; i < list.Count(); ++i) {
        size += fixed + 2 * list.ItemAt(i).size();
    }
    text.reserve(size);
    for (int i = 0; i < list.Count(); ++i) {
        if (i == 0) {
            text += header;
        }
        appendRecord(text, list.ItemAt(i), i == 0 ? Form::kFirst : Form::kLater);
        text += "\r\n";
    }
    return text;
}

}  // namespace ravelo
