#include "win32/dll_search.h"

#include <windows.h>

#include <string>

namespace ravelo {
namespace {

// Seen loaded by name (WINEDEBUG=+loaddll) while the program starts, draws its themed
// controls, opens the file dialog and the assistance window; with those that Windows' own file
// dialog and shell load, as installers guard against.
constexpr const wchar_t *kByName[] = {
    L"uxtheme.dll",       L"msimg32.dll",       L"dwmapi.dll",
    L"version.dll",       L"userenv.dll",       L"setupapi.dll",
    L"apphelp.dll",       L"propsys.dll",       L"cryptbase.dll",
    L"oleacc.dll",        L"clbcatq.dll",       L"ntmarta.dll",
    L"shfolder.dll",      L"linkinfo.dll",      L"ntshrui.dll",
    L"cscapi.dll",        L"profapi.dll",       L"srvcli.dll",
    L"netapi32.dll",      L"wtsapi32.dll",      L"winsta.dll",
    L"mpr.dll",           L"riched20.dll",      L"msls31.dll",
    L"usp10.dll",         L"imm32.dll",         L"msctf.dll",
    L"sxs.dll",           L"comres.dll",        L"duser.dll",
    L"explorerframe.dll", L"windowscodecs.dll", L"thumbcache.dll",
    L"secur32.dll",       L"rsaenh.dll",        L"wintrust.dll",
    L"crypt32.dll",       L"msasn1.dll",        nullptr,
};

// LOAD_LIBRARY_SEARCH_SYSTEM32, which the headers of XP do not name.
constexpr DWORD kSearchSystem32 = 0x00000800;

template <class Function>
Function kernelFunction(const char *name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name)));
}

}  // namespace

void preloadSystemDlls() {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return;
    }
    // A DLL that this Windows lacks is no error worth a dialog.
    const UINT errorMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    for (const wchar_t *const *name = kByName; *name != nullptr; ++name) {
        const std::wstring path = std::wstring(folder) + L"\\" + *name;
        // Its own DLLs come from its folder too; loaded for good.
        LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    }
    SetErrorMode(errorMode);
}

void restrictDllSearch() {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI *)(DWORD);
    using SetDllDirectoryFn = BOOL(WINAPI *)(LPCWSTR);
    if (const auto setDefault =
            kernelFunction<SetDefaultDllDirectoriesFn>("SetDefaultDllDirectories")) {
        setDefault(kSearchSystem32);
    }
    // Not the current folder either, on every Windows from XP SP1 on.
    if (const auto setDllDirectory = kernelFunction<SetDllDirectoryFn>("SetDllDirectoryW")) {
        setDllDirectory(L"");
    }
    // Also where the search is narrowed: not every loader applies it to every load (Wine's
    // delay loads look in the program's folder all the same), but none loads a DLL anew that
    // is loaded already.
    preloadSystemDlls();
}

}  // namespace ravelo
