#pragma once

#include <windows.h>

#include "files/file_path.h"
#include "platform/file_chooser.h"
#include "platform/message_box.h"

#include <optional>
#include <string>

namespace ravelo {

// The open-file dialog of Windows, over the main window.
class OpenFileDialog final : public FileChooser {
public:
    explicit OpenFileDialog(HWND owner) : owner_(owner) {}
    std::optional<FilePath> chooseFile(const OpenFileRequest &request) override;

private:
    HWND owner_;
};

// The message boxes of Windows, modal to the whole program.
class Win32MessageBoxes final : public MessageBoxes {
public:
    explicit Win32MessageBoxes(HWND owner) : owner_(owner) {}
    int show(const std::string &text, const std::string &title, int style) override;
    int show(const std::string &before, const FilePath &path, const std::string &after,
             const std::string &title, int style) override;

private:
    HWND owner_;
};

}  // namespace ravelo
