#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/control_colors.h"
#include "forms/control_names.h"
#include "forms/window_layout.h"
#include "win32/owned_handles.h"

struct IPicture;

namespace ravelo {

// A top-level window built from its layout with the standard controls of Windows: labels that
// wrap at spaces in their own colours, one-line edit boxes without a length limit, an unsorted
// list box, picture buttons drawn with their icon above the caption, push buttons, and the
// menu bar with its accelerators. Positions follow the window's DPI; the client area is exactly
// the layout's. Labels lie below the other controls, a later label above an earlier one, and
// the focus goes through the others in the order of their tab indexes.
class FormWindow {
public:
    struct Events {
        // A control's notification (BN_CLICKED, LBN_SELCHANGE, ...), by the control's name.
        std::function<void(ControlName control, int notification)> control;
        // A menu item, chosen from the menu or by its shortcut, by the item's name.
        std::function<void(ControlName item)> menu;
        // The close box. Unset: the window is destroyed.
        std::function<void()> close;
    };

    FormWindow(const WindowLayout &layout, HWND owner, Events events);
    ~FormWindow();
    FormWindow(const FormWindow &) = delete;
    FormWindow &operator=(const FormWindow &) = delete;

    // Null once the window is destroyed.
    HWND hwnd() const { return hwnd_; }
    HWND control(ControlName name) const;
    const WindowLayout &layout() const { return layout_; }
    int dpi() const { return dpi_; }
    void setBackColor(HWND label, Rgb color);
    // The lines that a label shows, top to bottom, broken at spaces as wide as it allows.
    std::vector<std::wstring> shownLines(HWND label) const;

    // The window of ours that `hwnd` is, or null.
    static FormWindow *of(HWND hwnd);
    // Lets the window's accelerators and its keyboard navigation (tab order, access keys)
    // handle a message meant for it or one of its controls. True when it was handled.
    static bool preTranslate(MSG &message);

private:
    static constexpr int kFirstControlId = 100;
    static constexpr int kFirstMenuId = 1000;

    struct Control {
        const ControlLayout *row = nullptr;
        HWND hwnd = nullptr;
        OwnedFont font;  // own font; null: the window's default font
        OwnedIcon icon;
        std::optional<Rgb> given;  // a background set while the program runs
        ColorPair colors;          // labels and picture buttons
        OwnedBrush brush;          // of colors.background
    };

    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    const ControlLayout *headingOf(const ControlLayout &row) const;
    void clipLabels();
    void createMenus();
    void place(int dpi);
    void recolor();
    void recolor(Control &control);
    void fitClientArea();
    const Control *find(HWND hwnd) const;
    HFONT fontOf(const Control &control) const;
    LRESULT colorLabel(HDC dc, HWND label) const;
    void drawItem(const DRAWITEMSTRUCT &item) const;
    void drawLabel(const Control &label, HDC dc, const RECT &area) const;
    RECT textArea(const Control &label) const;
    void paintBackground(HDC dc) const;
    void command(WPARAM wParam, LPARAM lParam);
    void restoreFocus();

    const WindowLayout &layout_;
    Events events_;
    HWND hwnd_ = nullptr;
    int dpi_ = 96;
    std::vector<Control> controls_;
    std::vector<ControlName> menuItems_;  // by command id, from kFirstMenuId
    OwnedAccelerators accelerators_;
    OwnedFont defaultFont_;
    SystemColors system_;
    SurfaceColors surface_;
    OwnedBrush background_;
    ComObject<IPicture> picture_;
    HWND lastFocus_ = nullptr;
};

}  // namespace ravelo
