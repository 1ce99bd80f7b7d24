#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include "app/start_up_win.h"
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

// Protected as any function, so never inlined into the unprotected wWinMain.
__attribute__((noinline)) int run(int show) {
    OleInitialize(nullptr);  // the file dialog and the picture decoder use COM
    initCommonControls();
    ravelo::Form1 form1;
    ShowWindow(form1.hwnd(), show);
    return ravelo::runMessageLoop();
}

}  // namespace

// Unprotected, as the stack guard is seeded under it.
__attribute__((no_stack_protector)) int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    if (!ravelo::startUp()) {
        FatalAppExitW(0, L"Ravelo cannot run: a part of Windows that it needs is missing.");
        return 1;
    }
    return run(show);
}
