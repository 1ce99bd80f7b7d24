#include "win32/window_resources.h"

#include <olectl.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "forms/layout_rules.h"
#include "win32/text_win32.h"

namespace ravelo {
namespace {

int CALLBACK faceFound(const LOGFONTW *, const TEXTMETRICW *, DWORD, LPARAM found) {
    *reinterpret_cast<bool *>(found) = true;
    return 0;
}

bool faceInstalled(const std::wstring &face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, faceFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

}  // namespace

HINSTANCE programInstance() {
    return GetModuleHandleW(nullptr);
}

int dpiOf(HWND hwnd) {
    using GetDpiForWindowFn = UINT(WINAPI *)(HWND);
    static const auto getDpiForWindow =
        reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void *>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow != nullptr) {
        if (const UINT dpi = getDpiForWindow(hwnd)) {
            return static_cast<int>(dpi);
        }
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

COLORREF colorRef(Rgb color) {
    return RGB(color.red, color.green, color.blue);
}

SystemColors systemColors() {
    auto rgb = [](int index) {
        const COLORREF color = GetSysColor(index);
        return Rgb{GetRValue(color), GetGValue(color), GetBValue(color)};
    };
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    const bool high = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
                      (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
    return {.text = rgb(COLOR_BTNTEXT), .face = rgb(COLOR_BTNFACE), .highContrast = high};
}

// A font of Windows has no letter spacing of its own; Windows has MS Sans Serif, so its narrower
// stand-in is seldom drawn there.
OwnedFont makeFont(FontSpec font, int dpi) {
    if (!faceInstalled(toWide(font.face))) {
        font = standInFor(font);
    }
    LOGFONTW description{};
    description.lfHeight = -static_cast<LONG>(std::lround(font.points * dpi / 72.0));
    description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    description.lfUnderline = font.underline ? TRUE : FALSE;
    description.lfCharSet = DEFAULT_CHARSET;
    toWide(font.face).copy(description.lfFaceName, LF_FACESIZE - 1);
    return OwnedFont(CreateFontIndirectW(&description));
}

OwnedIcon loadIcon(std::string_view name, int side) {
    return OwnedIcon(static_cast<HICON>(
        LoadImageW(programInstance(), toWide(name).c_str(), IMAGE_ICON, side, side, 0)));
}

ComObject<IPicture> loadPicture(std::string_view name) {
    HINSTANCE instance = programInstance();
    HRSRC found = FindResourceW(instance, toWide(name).c_str(), MAKEINTRESOURCEW(10));
    if (found == nullptr) {
        return nullptr;
    }
    const DWORD size = SizeofResource(instance, found);
    const void *bytes = LockResource(LoadResource(instance, found));
    if (bytes == nullptr) {
        return nullptr;
    }
    // The stream takes a memory block of its own, which it frees when it is released.
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (copy == nullptr) {
        return nullptr;
    }
    std::copy_n(static_cast<const char *>(bytes), size, static_cast<char *>(GlobalLock(copy)));
    GlobalUnlock(copy);
    IStream *opened = nullptr;
    if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &opened))) {
        GlobalFree(copy);
        return nullptr;
    }
    const ComObject<IStream> stream(opened);
    IPicture *picture = nullptr;
    if (FAILED(OleLoadPicture(stream.get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                              reinterpret_cast<void **>(&picture)))) {
        return nullptr;
    }
    return ComObject<IPicture>(picture);
}

HBITMAP bitmapOf(IPicture &picture) {
    OLE_HANDLE handle = 0;
    picture.get_Handle(&handle);
    return reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
}

}  // namespace ravelo
