#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "forms/control_names.h"
#include "platform/controls.h"

// The windows' layouts as data: one row per control, in twips (1/1440 inch, 15 to a pixel at
// 96 dots per inch) from the top left corner of the client area. Each front end builds its
// windows from these rows and gives every control the row's name.
namespace ravelo {

// Device-independent pixels from twips, rounded to the nearest pixel.
constexpr int twipsToPixels(int twips, int dotsPerInch = 96) {
    const long scaled = static_cast<long>(twips) * dotsPerInch;
    return static_cast<int>(scaled >= 0 ? (scaled + 720) / 1440 : -((-scaled + 720) / 1440));
}

enum class ControlKind {
    kLabel,          // text that wraps at spaces; takes no focus
    kTextBox,        // one-line edit box without a length limit
    kListBox,        // unsorted, one entry selectable at a time
    kPictureButton,  // icon centred above the caption, on the button face colour
    kButton,         // a plain push button in the system's colours
};

// A face at a point size. No face: the window's default font.
struct FontSpec {
    std::string_view face;
    double points = 0;
    bool bold = false;
    bool underline = false;
    int letterSpacing = 100;  // percent of the face's own
};

enum class Paint {
    kSystem,      // the toolkit's own colours for the kind of control
    kButtonFace,  // the system's button face colour
    kColor,       // the row's background colour
};

struct ControlLayout {
    ControlName name;
    ControlKind kind = ControlKind::kLabel;
    std::string_view caption;
    int left = 0, top = 0, width = 0, height = 0;
    int tabIndex = 0;
    FontSpec font;
    std::optional<Rgb> textColor;  // none: the system's text colour
    Paint paint = Paint::kSystem;
    Rgb background;
    std::string_view icon;            // picture buttons: the name of their icon resource
    std::string_view accessibleName;  // controls that take the focus: the heading beside them

    bool takesFocus() const { return kind != ControlKind::kLabel; }
};

// The side of a picture button's icon, in pixels at 96 dots per inch: tall buttons show a
// larger one.
constexpr int pictureButtonIconSize(const ControlLayout &row) {
    return twipsToPixels(row.height) > 60 ? 32 : 24;
}

enum class Shortcut { kNone, kCtrlX, kCtrlD, kF1 };

// How a menu shows a shortcut at the right of its item.
constexpr std::string_view shortcutText(Shortcut shortcut) {
    switch (shortcut) {
        case Shortcut::kCtrlX:
            return "Ctrl+X";
        case Shortcut::kCtrlD:
            return "Ctrl+D";
        case Shortcut::kF1:
            return "F1";
        case Shortcut::kNone:
            break;
    }
    return {};
}

struct MenuItemLayout {
    ControlName name;
    std::string_view caption;
    Shortcut shortcut = Shortcut::kNone;
};

struct MenuLayout {
    ControlName name;
    std::string_view caption;
    std::span<const MenuItemLayout> items;
};

enum class Frame {
    kFixedToolWindow,    // small caption with a close box; not resizable
    kSizableToolWindow,  // the same, resizable by its edges
};

struct WindowLayout {
    WindowName name;
    std::string_view caption;
    Frame frame = Frame::kFixedToolWindow;
    bool inTaskBar = false;
    int clientWidth = 0, clientHeight = 0;
    std::optional<Rgb> background;  // none: the picture, or the system's colour
    std::string_view picture;       // drawn at its natural size from the top left corner
    std::string_view icon;          // none: no icon of its own
    FontSpec defaultFont;
    std::span<const ControlLayout> controls;
    std::span<const MenuLayout> menus;
};

}  // namespace ravelo
