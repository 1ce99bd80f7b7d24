// The C++ runtime of MinGW-w64 from GCC 13 on imports GetThreadId, which Windows XP lacks, and XP
// refuses to load a program with an import it cannot find. This file fills the runtime's import
// slot itself, so that no import of GetThreadId is left in the program: the calls go to a
// function that asks kernel32 at run time and, on XP, ntdll, which has always known the answer.
// It is linked as an object of its own: the linker must meet this slot before the import
// libraries.
#include <windows.h>

namespace {

struct ThreadBasicInformation {
    LONG exitStatus;
    PVOID tebBaseAddress;
    HANDLE uniqueProcess;
    HANDLE uniqueThread;
    ULONG_PTR affinityMask;
    LONG priority;
    LONG basePriority;
};

template <class Function>
Function systemFunction(const wchar_t *module, const char *name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleW(module), name)));
}

DWORD WINAPI getThreadId(HANDLE thread) {
    using GetThreadIdFn = DWORD(WINAPI *)(HANDLE);
    if (const auto system = systemFunction<GetThreadIdFn>(L"kernel32.dll", "GetThreadId")) {
        return system(thread);
    }
    using QueryFn = LONG(WINAPI *)(HANDLE, int, PVOID, ULONG, PULONG);
    const auto query = systemFunction<QueryFn>(L"ntdll.dll", "NtQueryInformationThread");
    ThreadBasicInformation info{};
    constexpr int kThreadBasicInformation = 0;
    if (query == nullptr ||
        query(thread, kThreadBasicInformation, &info, sizeof info, nullptr) < 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(info.uniqueThread));
}

}  // namespace

#if defined(__i386__)
extern "C" DWORD(WINAPI *raveloGetThreadIdSlot)(HANDLE) __asm__("__imp__GetThreadId@4");
#else
extern "C" DWORD(WINAPI *raveloGetThreadIdSlot)(HANDLE) __asm__("__imp_GetThreadId");
#endif
DWORD(WINAPI *raveloGetThreadIdSlot)(HANDLE) = getThreadId;
