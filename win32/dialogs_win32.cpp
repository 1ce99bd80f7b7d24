#include "win32/dialogs_win32.h"

#include <commdlg.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "win32/text_win32.h"

namespace ravelo {
namespace {

BOOL CALLBACK collectEnabled(HWND window, LPARAM found) {
    if (IsWindowVisible(window) && IsWindowEnabled(window)) {
        reinterpret_cast<std::vector<HWND> *>(found)->push_back(window);
    }
    return TRUE;
}

}  // namespace

std::optional<FilePath> OpenFileDialog::chooseFile(const OpenFileRequest &request) {
    // Buffers of 257 characters, of which the dialog may fill 256; the wide form of the call, so
    // that a name outside the code page comes back whole.
    std::array<wchar_t, 257> file{};
    std::array<wchar_t, 257> fileTitle{};
    const std::wstring filter =
        toWide(request.filterName) + L'\0' + toWide(request.filterPattern) + L'\0';
    const std::wstring start = toWide(request.startPath);
    const std::wstring title = toWide(request.title);

    OPENFILENAMEW record{};
    record.lStructSize = OPENFILENAME_SIZE_VERSION_400W;  // without the later extension fields
    record.hwndOwner = owner_;
    record.hInstance = GetModuleHandleW(nullptr);
    record.lpstrFilter = filter.c_str();
    record.nFilterIndex = 1;
    record.lpstrFile = file.data();
    record.nMaxFile = static_cast<DWORD>(file.size() - 1);
    record.lpstrFileTitle = fileTitle.data();
    record.nMaxFileTitle = static_cast<DWORD>(fileTitle.size() - 1);
    record.lpstrInitialDir = start.c_str();
    record.lpstrTitle = title.c_str();
    if (!GetOpenFileNameW(&record)) {
        return std::nullopt;
    }
    return FilePath(file.data());
}

namespace {

int showBox(HWND owner, const std::wstring &text, const std::string &title, int style) {
    // No command may start while the box is open: the program's other windows wait with the
    // main window, which the box itself disables.
    std::vector<HWND> others;
    EnumThreadWindows(GetCurrentThreadId(), collectEnabled, reinterpret_cast<LPARAM>(&others));
    std::erase(others, owner);
    for (HWND window : others) {
        EnableWindow(window, FALSE);
    }
    const int answer =
        MessageBoxW(owner, text.c_str(), toWide(title).c_str(), static_cast<UINT>(style));
    for (HWND window : others) {
        EnableWindow(window, TRUE);
    }
    return answer;
}

}  // namespace

int Win32MessageBoxes::show(const std::string &text, const std::string &title, int style) {
    return showBox(owner_, toWide(text), title, style);
}

int Win32MessageBoxes::show(const std::string &before, const FilePath &path,
                            const std::string &after, const std::string &title, int style) {
    return showBox(owner_, toWide(before) + path + toWide(after), title, style);
}

}  // namespace ravelo
