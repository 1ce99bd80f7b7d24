#include "app/start_up_win.h"

#include "app/delay_load_win.h"
#include "app/stack_guard_win.h"
#include "win32/dll_search.h"

namespace ravelo {

__attribute__((no_stack_protector)) bool startUp(DllSearch way) {
    restrictDllSearch(way);
    seedStackGuard();
    return bindDelayLoadedDlls();
}

}  // namespace ravelo
