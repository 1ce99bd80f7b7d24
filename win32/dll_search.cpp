#include "win32/dll_search.h"

#include <windows.h>

#include "files/system_dll_win.h"

namespace ravelo {
namespace {

constexpr const wchar_t *kByName[] = {
    // What the program, its windows, the file dialog and the shell load by name, as seen
    // (WINEDEBUG=+loaddll) with SetDefaultDllDirectories hidden, in an order where each comes
    // before the DLLs that load it by name as they start: imm32 before user32 and the theme,
    // winspool.drv before the file dialog.
    L"imm32.dll",
    L"version.dll",
    L"advapi32.dll",
    L"sechost.dll",
    L"gdi32.dll",
    L"usp10.dll",
    L"lpk.dll",  // which user32 of Windows XP loads by name, and XP knows as none of its own
    L"user32.dll",
    L"uxtheme.dll",
    L"msimg32.dll",
    L"dwmapi.dll",
    L"userenv.dll",
    L"rpcrt4.dll",
    L"setupapi.dll",
    L"apphelp.dll",
    L"combase.dll",
    L"ole32.dll",
    L"oleaut32.dll",
    L"propsys.dll",
    L"oleacc.dll",
    L"shfolder.dll",
    L"srvcli.dll",
    L"ws2_32.dll",
    L"nsi.dll",
    L"iphlpapi.dll",
    L"dnsapi.dll",
    L"netapi32.dll",
    L"wtsapi32.dll",
    L"winsta.dll",
    L"mpr.dll",
    L"riched20.dll",
    L"msls31.dll",
    L"msctf.dll",
    L"sxs.dll",
    L"shlwapi.dll",
    L"shcore.dll",
    L"shell32.dll",
    L"explorerframe.dll",
    L"windowscodecs.dll",
    L"secur32.dll",
    L"bcrypt.dll",
    L"msasn1.dll",
    L"crypt32.dll",
    L"rsaenh.dll",
    L"wintrust.dll",
    L"compstui.dll",
    L"winspool.drv",
    L"comdlg32.dll",
    // What Windows' own file dialog and shell load besides, as installers guard against.
    L"cryptbase.dll",
    L"clbcatq.dll",
    L"ntmarta.dll",
    L"linkinfo.dll",
    L"ntshrui.dll",
    L"cscapi.dll",
    L"profapi.dll",
    L"comres.dll",
    L"duser.dll",
    L"thumbcache.dll",
    nullptr,
};

template <class Function>
Function kernelFunction(const char *name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name)));
}

}  // namespace

const wchar_t *const *preloadedDlls() {
    return kByName;
}

void preloadSystemDlls(DllSearch way) {
    const bool searchFlag = way == DllSearch::kNarrowest && searchesSystemFolderAlone();
    // A DLL that this Windows lacks is no error worth a dialog.
    const UINT errorMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    for (const wchar_t *const *name = kByName; *name != nullptr; ++name) {
        loadSystemDll(*name, searchFlag);  // loaded for good
    }
    SetErrorMode(errorMode);
}

void restrictDllSearch(DllSearch way) {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI *)(DWORD);
    using SetDllDirectoryFn = BOOL(WINAPI *)(LPCWSTR);
    const auto setDefault =
        way == DllSearch::kNarrowest
            ? kernelFunction<SetDefaultDllDirectoriesFn>("SetDefaultDllDirectories")
            : nullptr;
    if (setDefault != nullptr) {
        setDefault(kSearchSystem32);
    }
    // Not the current folder either, on every Windows from XP SP1 on.
    if (const auto setDllDirectory = kernelFunction<SetDllDirectoryFn>("SetDllDirectoryW")) {
        setDllDirectory(L"");
    }
    // Also where the search is narrowed: not every loader applies it to every load (Wine's
    // delay loads look in the program's folder all the same), but none loads a DLL anew that
    // is loaded already.
    preloadSystemDlls(way);
}

}  // namespace ravelo
