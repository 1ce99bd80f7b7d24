#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

// Handles of the system that free themselves: fonts, brushes and regions of GDI, icons,
// accelerator tables, and COM objects.
namespace ravelo {

struct GdiObjectDeleter {
    void operator()(void *handle) const { DeleteObject(static_cast<HGDIOBJ>(handle)); }
};
template <class Handle>
using OwnedGdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;
using OwnedFont = OwnedGdiObject<HFONT>;
using OwnedBrush = OwnedGdiObject<HBRUSH>;
using OwnedRegion = OwnedGdiObject<HRGN>;

struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using OwnedIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

struct AcceleratorDeleter {
    void operator()(HACCEL table) const { DestroyAcceleratorTable(table); }
};
using OwnedAccelerators = std::unique_ptr<std::remove_pointer_t<HACCEL>, AcceleratorDeleter>;

struct ComReleaser {
    void operator()(IUnknown *object) const { object->Release(); }
};
template <class Interface>
using ComObject = std::unique_ptr<Interface, ComReleaser>;

}  // namespace ravelo
