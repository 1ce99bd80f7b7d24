#pragma once

#include <optional>
#include <string>

#include "files/file_path.h"

namespace ravelo {

struct OpenFileRequest {
    std::string title;
    std::string filterName;     // "NK2 Files (*.NK2)"
    std::string filterPattern;  // "*.NK2"
    std::string startPath;      // a file path, possibly relative, "\" separated
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen file's full path, or nothing when the user cancelled or the dialog failed.
    virtual std::optional<FilePath> chooseFile(const OpenFileRequest &request) = 0;
};

}  // namespace ravelo
