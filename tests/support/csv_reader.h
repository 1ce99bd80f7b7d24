#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ravelo::testing {

// Splits one CSV line into fields as RFC 4180 reads them: a field that starts with a double
// quote runs to the matching quote, and a doubled quote inside it stands for one. Returns
// nothing for a line that breaks those rules.
inline std::optional<std::vector<std::string>> readCsvLine(std::string_view line) {
    std::vector<std::string> fields(1);
    std::size_t i = 0;
    while (i <= line.size()) {
        std::string &field = fields.back();
        if (i < line.size() && line[i] == '"') {
            for (++i;; ++i) {
                if (i >= line.size()) {
                    return std::nullopt;
                }
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field += '"';
                        ++i;
                    } else {
                        ++i;
                        break;
                    }
                } else {
                    field += line[i];
                }
            }
            if (i < line.size() && line[i] != ',') {
                return std::nullopt;
            }
        } else {
            while (i < line.size() && line[i] != ',') {
                if (line[i] == '"') {
                    return std::nullopt;
                }
                field += line[i++];
            }
        }
        if (i == line.size()) {
            break;
        }
        ++i;  // the comma
        fields.emplace_back();
    }
    return fields;
}

}  // namespace ravelo::testing
