#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "forms/layout_rules.h"
#include "win32/form_window.h"
#include "win32/text_win32.h"
#include "win32/window_resources.h"

// How a window makes its controls and menus from the layout, and places them for its DPI.
namespace ravelo {
namespace {

struct ControlClass {
    const wchar_t *name;
    DWORD style;
    DWORD exStyle;
};

ControlClass classOf(const ControlLayout &row) {
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    switch (row.kind) {
        case ControlKind::kLabel:
            // Drawn by its window, which breaks the lines at spaces only.
            return {L"STATIC", kChild | SS_NOPREFIX | SS_OWNERDRAW, 0};
        case ControlKind::kTextBox:
            return {L"EDIT", kChild | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::kListBox:
            return {L"LISTBOX",
                    kChild | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                        LBS_HASSTRINGS,
                    WS_EX_CLIENTEDGE};
        case ControlKind::kPictureButton:
            return {L"BUTTON", kChild | WS_TABSTOP | BS_OWNERDRAW, 0};
        case ControlKind::kButton:
            return {L"BUTTON", kChild | WS_TABSTOP | BS_PUSHBUTTON, 0};
    }
    return {L"STATIC", kChild, 0};
}

BYTE acceleratorKey(Shortcut shortcut, WORD &key) {
    switch (shortcut) {
        case Shortcut::kCtrlX:
            key = 'X';
            return FVIRTKEY | FCONTROL;
        case Shortcut::kCtrlD:
            key = 'D';
            return FVIRTKEY | FCONTROL;
        case Shortcut::kF1:
            key = VK_F1;
            return FVIRTKEY;
        case Shortcut::kNone:
            break;
    }
    return 0;
}

}  // namespace

void FormWindow::createControls() {
    // Windows stacks new controls below the earlier ones and moves the focus down the stack:
    // the controls that take the focus come in tab order, each right after its heading, which
    // is where a screen reader looks for its name; then the other labels, the last one first.
    std::vector<const ControlLayout *> order;
    for (const ControlLayout *row : focusOrder(layout_)) {
        if (const ControlLayout *heading = headingOf(*row)) {
            order.push_back(heading);
        }
        order.push_back(row);
    }
    for (auto row = layout_.controls.rbegin(); row != layout_.controls.rend(); ++row) {
        if (!row->takesFocus() && std::ranges::find(order, &*row) == order.end()) {
            order.push_back(&*row);
        }
    }
    for (const ControlLayout *row : order) {
        if (row->takesFocus() && headingOf(*row) == nullptr && !row->accessibleName.empty()) {
            // No label names this control on screen; a hidden one names it for screen readers.
            CreateWindowExW(0, L"STATIC", toWide(row->accessibleName).c_str(),
                            WS_CHILD | SS_NOPREFIX, 0, 0, 0, 0, hwnd_, nullptr, programInstance(),
                            nullptr);
        }
        const ControlClass kind = classOf(*row);
        const auto id = static_cast<INT_PTR>(kFirstControlId + (row - layout_.controls.data()));
        Control control;
        control.row = row;
        control.hwnd =
            CreateWindowExW(kind.exStyle, kind.name, toWide(row->caption).c_str(), kind.style, 0, 0,
                            0, 0, hwnd_, reinterpret_cast<HMENU>(id), programInstance(), nullptr);
        if (row->kind == ControlKind::kTextBox) {
            SendMessageW(control.hwnd, EM_SETLIMITTEXT, 0, 0);  // as long as the system allows
        }
        controls_.push_back(std::move(control));
    }
}

// The label that shows a control's accessible name, or null.
const ControlLayout *FormWindow::headingOf(const ControlLayout &row) const {
    if (row.accessibleName.empty()) {
        return nullptr;
    }
    for (const ControlLayout &label : layout_.controls) {
        if (!label.takesFocus() && label.caption == row.accessibleName) {
            return &label;
        }
    }
    return nullptr;
}

// A heading stacked over a control that it overlaps must not hide it: the label's window keeps
// out the parts of the controls that take the focus, which lie over every label.
void FormWindow::clipLabels() {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (controls_[i].row->takesFocus()) {
            continue;
        }
        RECT label{};
        GetWindowRect(controls_[i].hwnd, &label);
        OwnedRegion shown(CreateRectRgn(0, 0, label.right - label.left, label.bottom - label.top));
        bool clipped = false;
        for (std::size_t j = i + 1; j < controls_.size(); ++j) {
            RECT other{}, overlap{};
            GetWindowRect(controls_[j].hwnd, &other);
            if (controls_[j].row->takesFocus() && IntersectRect(&overlap, &label, &other)) {
                OffsetRect(&overlap, -label.left, -label.top);
                const OwnedRegion covered(CreateRectRgnIndirect(&overlap));
                CombineRgn(shown.get(), shown.get(), covered.get(), RGN_DIFF);
                clipped = true;
            }
        }
        // A window owns the region it is given.
        SetWindowRgn(controls_[i].hwnd, clipped ? shown.release() : nullptr, FALSE);
    }
}

void FormWindow::createMenus() {
    if (layout_.menus.empty()) {
        return;
    }
    HMENU bar = CreateMenu();
    std::vector<ACCEL> keys;
    for (const MenuLayout &menu : layout_.menus) {
        HMENU items = CreatePopupMenu();
        for (const MenuItemLayout &item : menu.items) {
            const auto id = static_cast<WORD>(kFirstMenuId + menuItems_.size());
            menuItems_.push_back(item.name);
            std::wstring caption = toWide(item.caption);
            if (item.shortcut != Shortcut::kNone) {
                caption += L'\t' + toWide(shortcutText(item.shortcut));
                ACCEL key{};
                key.fVirt = acceleratorKey(item.shortcut, key.key);
                key.cmd = id;
                keys.push_back(key);
            }
            AppendMenuW(items, MF_STRING, id, caption.c_str());
        }
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(items), toWide(menu.caption).c_str());
    }
    SetMenu(hwnd_, bar);  // the window destroys its menus
    accelerators_.reset(CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size())));
}

// Every control where its row puts it at `dpi`, in fonts and icons of that DPI; the fonts and
// icons of the old DPI go once nothing uses them.
void FormWindow::place(int dpi) {
    dpi_ = dpi;
    OwnedFont oldDefault = std::move(defaultFont_);
    defaultFont_ = makeFont(layout_.defaultFont, dpi);
    for (Control &control : controls_) {
        const ControlLayout &row = *control.row;
        SetWindowPos(control.hwnd, nullptr, twipsToPixels(row.left, dpi),
                     twipsToPixels(row.top, dpi), twipsToPixels(row.width, dpi),
                     twipsToPixels(row.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
        OwnedFont font = row.font.face.empty() ? nullptr : makeFont(row.font, dpi);
        SendMessageW(control.hwnd, WM_SETFONT,
                     reinterpret_cast<WPARAM>(font ? font.get() : defaultFont_.get()), TRUE);
        control.font = std::move(font);
        if (row.kind == ControlKind::kPictureButton) {
            control.icon = loadIcon(row.icon, MulDiv(pictureButtonIconSize(row), dpi, 96));
        }
    }
    clipLabels();
    fitClientArea();
}

// Sizes the frame so that the client area is the layout's, whatever the frame and menu take.
void FormWindow::fitClientArea() {
    const int width = twipsToPixels(layout_.clientWidth, dpi_);
    const int height = twipsToPixels(layout_.clientHeight, dpi_);
    for (int attempt = 0; attempt < 3; ++attempt) {
        RECT client{}, frame{};
        GetClientRect(hwnd_, &client);
        GetWindowRect(hwnd_, &frame);
        const int dx = width - (client.right - client.left);
        const int dy = height - (client.bottom - client.top);
        if (dx == 0 && dy == 0) {
            return;
        }
        SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left + dx,
                     frame.bottom - frame.top + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace ravelo
