#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include "win32/form1.h"
#include "win32/message_loop.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    OleInitialize(nullptr);  // the file dialog and the picture decoder use COM
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    ravelo::Form1 form1;
    ShowWindow(form1.hwnd(), show);
    return ravelo::runMessageLoop();
}
