#include "files/random_bytes.h"

#include <windows.h>

#include <cstddef>

#include "files/system_dll_win.h"

namespace ravelo {

// RtlGenRandom, exported by advapi32 as SystemFunction036 on every Windows from XP on (on Vista
// and later it forwards into cryptbase), with advapi32 from the system folder.
bool randomBytes(void *buffer, std::size_t size) {
    using RtlGenRandomFn = BOOLEAN(WINAPI *)(PVOID, ULONG);
    static const RtlGenRandomFn random = [] {
        const HMODULE advapi32 = loadSystemDll(L"advapi32.dll");
        return advapi32 == nullptr ? RtlGenRandomFn{}
                                   : reinterpret_cast<RtlGenRandomFn>(reinterpret_cast<void *>(
                                         GetProcAddress(advapi32, "SystemFunction036")));
    }();
    return random != nullptr && size <= MAXDWORD && random(buffer, static_cast<ULONG>(size));
}

}  // namespace ravelo
