#include "app/program_win.h"

#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include "win32/form1.h"
#include "win32/message_loop.h"

namespace ravelo {
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

int runProgram(int show) {
    OleInitialize(nullptr);  // the file dialog and the picture decoder use COM
    initCommonControls();
    Form1 form1;
    ShowWindow(form1.hwnd(), show);
    return runMessageLoop();
}

}  // namespace ravelo
