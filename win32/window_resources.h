#pragma once

#include <windows.h>

#include <string_view>

#include "forms/control_colors.h"
#include "forms/window_layout.h"
#include "win32/owned_handles.h"

struct IPicture;

// What the windows draw with: the program's module, the DPI of a window, the layout's fonts, and
// the icons and pictures that the program carries as resources.
namespace ravelo {

HINSTANCE programInstance();

// The DPI of the monitor that shows the window; the system's where Windows cannot tell.
int dpiOf(HWND hwnd);

COLORREF colorRef(Rgb color);

// The system's colours now, and whether Windows' high-contrast setting is on.
SystemColors systemColors();

// The layout's font at `dpi`, or its stand-in where the system lacks the face.
OwnedFont makeFont(FontSpec font, int dpi);

// An icon resource drawn `side` pixels square.
OwnedIcon loadIcon(std::string_view name, int side);

// Decodes a picture resource with the decoder Windows offers; null where it cannot.
ComObject<IPicture> loadPicture(std::string_view name);
HBITMAP bitmapOf(IPicture &picture);

}  // namespace ravelo
