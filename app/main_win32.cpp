#include <windows.h>

#include "app/program_win.h"
#include "app/start_up_win.h"

// Unprotected, as the stack guard is seeded under it.
__attribute__((no_stack_protector)) int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    if (!ravelo::startUp()) {
        FatalAppExitW(0, L"Ravelo cannot run: a part of Windows that it needs is missing.");
        return 1;
    }
    return ravelo::runProgram(show);
}
