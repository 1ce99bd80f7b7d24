#include "export/contact_csv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "support/csv_reader.h"

using namespace ravelo;
using ravelo::testing::readCsvLine;

namespace {

std::vector<std::string> splitLines(const std::string &text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
        if (end == std::string::npos) {
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

AddressList listOf(std::initializer_list<const char *> entries) {
    AddressList list;
    for (const char *entry : entries) {
        list.Append(entry);
    }
    return list;
}

// Commas outside the import note, which is the one field that may hold text of its own.
long commasOutsideNote(const std::string &line) {
    std::string rest = line;
    const std::size_t note = rest.find(importNote());
    if (note != std::string::npos) {
        rest.erase(note, importNote().size());
    }
    return std::count(rest.begin(), rest.end(), ',');
}

}  // namespace

TEST(ContactCsv, HeaderNamesTheColumnsOfTheContactImport) {
    const std::string header = HeaderLine();
    EXPECT_EQ(header.size(), 1368u);
    EXPECT_TRUE(header.starts_with("\"Title\",\"First Name\",\"Middle Name\","));
    EXPECT_TRUE(header.ends_with(",\"User 4\",\"Web Page\""));
    const auto fields = readCsvLine(header);
    ASSERT_TRUE(fields);
    ASSERT_EQ(fields->size(), 92u);
    EXPECT_EQ((*fields)[57], "E-mail Address");
    EXPECT_EQ((*fields)[85], "Sensitivity");
}

// The fields of a line as written, quotes included, split at the commas outside quotes.
static std::vector<std::string> rawFields(const std::string &line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
        }
        if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

TEST(ContactCsv, RecordsInTheirTwoForms) {
    const std::string address = "ann@example.org";
    // Columns (numbered from 1) with a value, and those quoted in records after the first.
    const std::map<int, std::string> values = {
        {50, "0/0/00"},
        {53, "0/0/00"},
        {58, address},
        {59, "SMTP"},
        {60, "(" + address + ")"},
        {67, "Unspecified"},
        {78, importNote()},
        {82, "Normal"},
        {83, "False"},
        {86, "Normal"},
    };
    const std::set<int> quotedLater = {1, 6, 7, 8, 49, 58, 60, 78};
    const auto first = rawFields(FirstRecordLine(address));
    const auto later = rawFields(LaterRecordLine(address));
    ASSERT_EQ(first.size(), 86u);
    ASSERT_EQ(later.size(), 86u);
    for (int column = 1; column <= 86; ++column) {
        const auto found = values.find(column);
        const std::string value = found == values.end() ? "" : found->second;
        const std::string quoted = "\"" + value + "\"";
        EXPECT_EQ(first[column - 1], column == 1 ? "" : quoted)
            << "first record, column " << column;
        EXPECT_EQ(later[column - 1], quotedLater.count(column) ? quoted : value)
            << "later record, column " << column;
    }
    EXPECT_EQ(commasOutsideNote(FirstRecordLine(address)), 85);
    EXPECT_EQ(commasOutsideNote(LaterRecordLine(address)), 85);
}

TEST(ContactCsv, ImportNoteNamesTheMakersInOneQuotableLine) {
    const std::string note = importNote();
    EXPECT_TRUE(note.starts_with("Imported from Outlook Autocompletion cache file using Ravelo. "));
    EXPECT_GT(note.size(), 62u);
    EXPECT_EQ(note.find_first_of("\"\r\n"), std::string::npos);
}

TEST(ContactCsv, EveryAddressReadsBackWhole) {
    for (const char *address : {"", "a,b@x", "say \"hi\"@x", "\"", "x\3", "caf\xe9@x"}) {
        for (const std::string &line : {FirstRecordLine(address), LaterRecordLine(address)}) {
            const auto fields = readCsvLine(line);
            ASSERT_TRUE(fields) << line;
            ASSERT_EQ(fields->size(), 86u) << line;
            EXPECT_EQ((*fields)[57], address);
            EXPECT_EQ((*fields)[59], std::string("(").append(address).append(")"));
            EXPECT_EQ((*fields)[58], "SMTP");
            EXPECT_EQ((*fields)[82], "False");
        }
    }
    EXPECT_NE(LaterRecordLine("").find(",\"\",SMTP,\"()\","), std::string::npos);
}

TEST(ContactCsv, LinesOfAWholeExport) {
    EXPECT_EQ(contactFileText(AddressList()), "");
    EXPECT_EQ(splitLines(contactFileText(listOf({"a@x"}))),
              (std::vector<std::string>{HeaderLine(), FirstRecordLine("a@x")}));
    EXPECT_EQ(splitLines(contactFileText(listOf({"a@x", "b@x", "a@x"}))),
              (std::vector<std::string>{HeaderLine(), FirstRecordLine("a@x"),
                                        LaterRecordLine("b@x"), LaterRecordLine("a@x")}));
}
