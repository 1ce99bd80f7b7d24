#pragma once

#include "win32/dll_search.h"

// The Windows program's first steps, in the order they must run, before any window exists.
namespace ravelo {

// 1. The DLL search narrowed to the system folder, and the DLLs that the windows and dialogs
//    load by name loaded from there first (win32/dll_search.h).
// 2. The stack protector's guard seeded from the system's random source, whose DLL is loaded
//    by its full path (app/stack_guard_win.h).
// 3. Every delay-loaded DLL loaded and bound (app/delay_load_win.h): the program imports only
//    kernel32 and the C runtime at start, so nothing else is loaded before step 1.
// False when a DLL that the program needs is missing. Its caller must not be a protected
// function (no_stack_protector), as the guard changes under it.
bool startUp(DllSearch way = DllSearch::kNarrowest);

}  // namespace ravelo
