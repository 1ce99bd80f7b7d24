// The Windows program entered as on a Windows without SetDefaultDllDirectories (XP, Vista, and
// 7 without update KB2533623): the same program, kept from DLLs planted beside it by its
// preloading alone.
#include <windows.h>

#include "app/program_win.h"
#include "app/start_up_win.h"

__attribute__((no_stack_protector)) int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    if (!ravelo::startUp(ravelo::DllSearch::kWithoutSetDefaultDllDirectories)) {
        return 1;
    }
    return ravelo::runProgram(show);
}
