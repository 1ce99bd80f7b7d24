#include "files/system_dll_win.h"

#include <windows.h>

#include <string>

namespace ravelo {

bool searchesSystemFolderAlone() {
    static const bool known =
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories") != nullptr;
    return known;
}

HMODULE loadSystemDll(const wchar_t *name, bool searchFlag) {
    if (searchFlag) {
        return LoadLibraryExW(name, nullptr, kSearchSystem32);
    }
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    const std::wstring path = std::wstring(folder) + L"\\" + name;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace ravelo
