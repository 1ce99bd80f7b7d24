// The delay-loaded DLLs, bound all at once instead of at each function's first call: where the
// first call comes from is then no matter, and the 32-bit delay-load libraries of binutils leave
// the slots of their functions empty, so a first call there would jump to nothing.
#include "app/delay_load_win.h"

#include <windows.h>

#include <cstdint>

// The table that each delay-load library lays down for its DLL, by the name that binutils gives
// it (cmake/binutils_delay_load.cmake); every field is relative to the program's base.
#define RAVELO_DELAY_LOADED(dll, symbol) \
    extern "C" const IMAGE_DELAYLOAD_DESCRIPTOR dll##Descriptor __asm__(#symbol);
#include "delay_loaded_dlls.inc"
#undef RAVELO_DELAY_LOADED

namespace ravelo {
namespace {

template <class T>
T *at(DWORD relative) {
    return reinterpret_cast<T *>(reinterpret_cast<std::uintptr_t>(GetModuleHandleW(nullptr)) +
                                 relative);
}

// A linker may leave the import tables read-only once the program is loaded (Microsoft's does,
// and binutils 2.44 of Debian 13), so each slot is opened for its one write and closed again.
template <class T>
bool store(T *slot, T value) {
    DWORD was = 0;
    if (!VirtualProtect(slot, sizeof value, PAGE_READWRITE, &was)) {
        return false;
    }
    *slot = value;
    VirtualProtect(slot, sizeof value, was, &was);
    return true;
}

bool bind(const IMAGE_DELAYLOAD_DESCRIPTOR &descriptor) {
    const HMODULE dll = LoadLibraryA(at<const char>(descriptor.DllNameRVA));
    if (dll == nullptr || !store(at<HMODULE>(descriptor.ModuleHandleRVA), dll)) {
        return false;
    }
    auto *slot = at<FARPROC>(descriptor.ImportAddressTableRVA);
    for (auto *name = at<const IMAGE_THUNK_DATA>(descriptor.ImportNameTableRVA);
         name->u1.AddressOfData != 0; ++name, ++slot) {
        const char *function =
            IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal)
                ? reinterpret_cast<const char *>(IMAGE_ORDINAL(name->u1.Ordinal))
                : at<const IMAGE_IMPORT_BY_NAME>(static_cast<DWORD>(name->u1.AddressOfData))->Name;
        const FARPROC address = GetProcAddress(dll, function);
        if (address == nullptr || !store(slot, address)) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool bindDelayLoadedDlls() {
    bool bound = true;
#define RAVELO_DELAY_LOADED(dll, symbol) bound = bind(dll##Descriptor) && bound;
#include "delay_loaded_dlls.inc"
#undef RAVELO_DELAY_LOADED
    return bound;
}

}  // namespace ravelo
