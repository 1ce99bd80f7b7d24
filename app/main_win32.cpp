#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include "app/delay_load_win.h"
#include "win32/dll_search.h"
#include "win32/form1.h"
#include "win32/message_loop.h"

namespace {

// The common controls of the manifest (version 6), loaded only once the DLL search is narrowed:
// they load more DLLs by name as they start.
void initCommonControls() {
    using InitFn = BOOL(WINAPI *)(const INITCOMMONCONTROLSEX *);
    HMODULE controls = LoadLibraryW(L"comctl32.dll");
    const auto init = reinterpret_cast<InitFn>(
        reinterpret_cast<void *>(GetProcAddress(controls, "InitCommonControlsEx")));
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES};
    if (init != nullptr) {
        init(&classes);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    ravelo::restrictDllSearch();  // before anything loads a DLL by name
    if (!ravelo::bindDelayLoadedDlls()) {
        FatalAppExitW(0, L"Ravelo cannot run: a part of Windows that it needs is missing.");
        return 1;
    }
    OleInitialize(nullptr);  // the file dialog and the picture decoder use COM
    initCommonControls();
    ravelo::Form1 form1;
    ShowWindow(form1.hwnd(), show);
    return ravelo::runMessageLoop();
}
