// The stack protector's guard value and its failure, in place of those of GCC's libssp. Its
// seed comes from CryptAcquireContext, which loads a cryptographic provider DLL by name before
// the program can keep DLLs out of its own folder; this one asks the system's random source in
// advapi32 (RtlGenRandom, there since XP), which loads nothing, and mixes in what differs from
// run to run where even that is missing. Linked into the program ahead of libssp, so that
// libssp's own versions are never pulled in.
#include <windows.h>

#include <cstdint>

extern "C" {

// The value that every protected function checks on return; set before main().
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

namespace {

using RtlGenRandomFn = BOOLEAN(WINAPI *)(PVOID, ULONG);

__attribute__((constructor(101), no_stack_protector)) void seedStackGuard() {
    std::uintptr_t seed = 0;
    const auto random = reinterpret_cast<RtlGenRandomFn>(reinterpret_cast<void *>(
        GetProcAddress(GetModuleHandleW(L"advapi32.dll"), "SystemFunction036")));
    if (random == nullptr || !random(&seed, sizeof seed)) {
        LARGE_INTEGER counter{};
        QueryPerformanceCounter(&counter);
        seed = static_cast<std::uintptr_t>(counter.QuadPart) ^
               (static_cast<std::uintptr_t>(GetCurrentProcessId()) << 16) ^
               static_cast<std::uintptr_t>(GetTickCount()) ^
               reinterpret_cast<std::uintptr_t>(&seed);
    }
    // A zero byte first stops a string copy that runs into it.
    __stack_chk_guard = seed & ~static_cast<std::uintptr_t>(0xff);
}

}  // namespace
