// Starts as the program starts, then writes where its stack guard came from and its value into
// the file that its one argument names.
#include <windows.h>

#include <cstdint>
#include <cstdio>

#include "app/stack_guard_win.h"
#include "win32/dll_search.h"

extern "C" std::uintptr_t __stack_chk_guard;

__attribute__((no_stack_protector)) int wmain(int argc, wchar_t **argv) {
    ravelo::restrictDllSearch();
    const ravelo::GuardSeed from = ravelo::seedStackGuard();
    FILE *out = argc == 2 ? _wfopen(argv[1], L"w") : nullptr;
    if (out == nullptr) {
        return 1;
    }
    std::fprintf(out, "%s %llx\n", from == ravelo::GuardSeed::kSystemRandom ? "random" : "fallback",
                 static_cast<unsigned long long>(__stack_chk_guard));
    return std::fclose(out) == 0 ? 0 : 1;
}
