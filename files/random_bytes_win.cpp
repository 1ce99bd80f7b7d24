#include "files/random_bytes.h"

#include <windows.h>

#include <cstddef>
#include <string>

namespace ravelo {

// RtlGenRandom, exported by advapi32 as SystemFunction036 on every Windows from XP on (on Vista
// and later it forwards into cryptbase). The DLL is loaded from the system folder by its full
// path, whatever the DLL search of the moment.
bool randomBytes(void *buffer, std::size_t size) {
    using RtlGenRandomFn = BOOLEAN(WINAPI *)(PVOID, ULONG);
    static const RtlGenRandomFn random = [] {
        wchar_t folder[MAX_PATH] = {};
        const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) {
            return RtlGenRandomFn{};
        }
        const std::wstring path = std::wstring(folder) + L"\\advapi32.dll";
        return reinterpret_cast<RtlGenRandomFn>(reinterpret_cast<void *>(
            GetProcAddress(LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH),
                           "SystemFunction036")));
    }();
    return random != nullptr && size <= MAXDWORD && random(buffer, static_cast<ULONG>(size));
}

}  // namespace ravelo
