#include "qt/file_filter.h"

namespace ravelo {

std::string anyLetterCase(std::string_view pattern) {
    std::string matching;
    for (const char c : pattern) {
        const bool upper = c >= 'A' && c <= 'Z';
        const bool lower = c >= 'a' && c <= 'z';
        if (upper || lower) {
            const char other = static_cast<char>(upper ? c - 'A' + 'a' : c - 'a' + 'A');
            matching += {'[', upper ? c : other, upper ? other : c, ']'};
        } else {
            matching += c;
        }
    }
    return matching;
}

std::string nameFilter(const OpenFileRequest &request, bool systemDialog) {
    if (!systemDialog) {
        return request.filterName;
    }
    const std::string_view name = request.filterName;
    return std::string(name.substr(0, name.find('('))) + "(" +
           anyLetterCase(request.filterPattern) + ")";
}

}  // namespace ravelo
