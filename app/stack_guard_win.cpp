// The stack protector's guard value and its failure, in place of those of GCC's libssp, whose
// seed comes from CryptAcquireContext: that loads a cryptographic provider DLL by name, and runs
// before the program can keep DLLs out of its own folder. Linked into the program ahead of
// libssp, so that libssp's own versions are never pulled in.
#include "app/stack_guard_win.h"

#include <windows.h>

#include <cstdint>

#include "files/random_bytes.h"

extern "C" {

// The value that every protected function checks on return; a fixed one until the program
// seeds it, first thing in its start-up.
std::uintptr_t __stack_chk_guard = 0x2f8e3a9c7b51d604ULL & UINTPTR_MAX;

[[noreturn]] void __stack_chk_fail() {
    // The stack is not to be trusted any more: end at once, unwinding nothing.
    TerminateProcess(GetCurrentProcess(), 0xC0000409);  // STATUS_STACK_BUFFER_OVERRUN
    __builtin_unreachable();
}

// A checked buffer call (_FORTIFY_SOURCE) found an overflow.
[[noreturn]] void __chk_fail() {
    __stack_chk_fail();
}
}

namespace ravelo {

__attribute__((no_stack_protector)) GuardSeed seedStackGuard() {
    std::uintptr_t seed = 0;
    GuardSeed from = GuardSeed::kSystemRandom;
    if (!randomBytes(&seed, sizeof seed)) {
        from = GuardSeed::kTimeAndProcess;
        LARGE_INTEGER counter{};
        QueryPerformanceCounter(&counter);
        seed = static_cast<std::uintptr_t>(counter.QuadPart) ^
               (static_cast<std::uintptr_t>(GetCurrentProcessId()) << 16) ^
               static_cast<std::uintptr_t>(GetTickCount()) ^
               reinterpret_cast<std::uintptr_t>(&seed);
    }
    // A zero byte first stops a string copy that runs into it.
    __stack_chk_guard = seed & ~static_cast<std::uintptr_t>(0xff);
    return from;
}

}  // namespace ravelo
