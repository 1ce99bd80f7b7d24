#pragma once

#include <string>

#include "files/file_path.h"

namespace ravelo {

// Message box styles and answers, numbered as the Windows message box numbers them.
enum MessageBoxStyle : int { kOkInformation = 64, kYesNoInformation = 68 };
enum MessageBoxAnswer : int { kAnswerOk = 1, kAnswerYes = 6, kAnswerNo = 7 };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows a modal box and returns the answer; with kYesNoInformation, Yes is the default.
    virtual int show(const std::string &text, const std::string &title, int style) = 0;
    // The same, with a file's name between `before` and `after`, every character of the name
    // shown as it is.
    virtual int show(const std::string &before, const FilePath &path, const std::string &after,
                     const std::string &title, int style) = 0;
};

}  // namespace ravelo
