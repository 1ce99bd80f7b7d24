#pragma once

#include <string_view>

#include "forms/window_layout.h"
#include "texts/status_text.h"

namespace ravelo {

// The main window: status line, cache path, address list with its buttons, export path, menus.
const WindowLayout &form1Layout();
// "Add e-mail address".
const WindowLayout &form2Layout();
// "Help and Tips".
const WindowLayout &form3Layout();

// The face colour of the picture buttons and of the secondary windows.
inline constexpr Rgb kWindowFace{224, 224, 224};

}  // namespace ravelo
