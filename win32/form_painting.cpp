#include <olectl.h>
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "forms/layout_rules.h"
#include "forms/space_wrap.h"
#include "win32/form_window.h"
#include "win32/text_win32.h"
#include "win32/window_resources.h"

// How a window paints what the system's controls do not: labels in their own colours, broken
// at spaces; picture buttons with their icon above the caption; the background picture.
namespace ravelo {

// The colours of the window and of its labels and picture buttons, from the layout and the
// system's colours as they are now.
void FormWindow::recolor() {
    system_ = systemColors();
    surface_ = windowColors(layout_, system_);
    background_.reset(surface_.background ? CreateSolidBrush(colorRef(*surface_.background))
                                          : nullptr);
    for (Control &control : controls_) {
        recolor(control);
    }
}

void FormWindow::recolor(Control &control) {
    const ControlKind kind = control.row->kind;
    if (kind != ControlKind::kLabel && kind != ControlKind::kPictureButton) {
        return;
    }
    control.colors = controlColors(*control.row, system_, control.given);
    control.brush.reset(CreateSolidBrush(colorRef(control.colors.background)));
}

void FormWindow::setBackColor(HWND label, Rgb color) {
    for (Control &control : controls_) {
        if (control.hwnd == label) {
            control.given = color;
            recolor(control);
            InvalidateRect(label, nullptr, TRUE);
        }
    }
}

LRESULT FormWindow::colorLabel(HDC dc, HWND label) const {
    const Control *control = find(label);
    if (control == nullptr || control->row->kind != ControlKind::kLabel) {
        return DefWindowProcW(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(label));
    }
    SetTextColor(dc, colorRef(control->colors.text));
    SetBkColor(dc, colorRef(control->colors.background));
    return reinterpret_cast<LRESULT>(control->brush.get());
}

void FormWindow::drawItem(const DRAWITEMSTRUCT &item) const {
    const Control *control = find(item.hwndItem);
    if (control == nullptr) {
        return;
    }
    HDC dc = item.hDC;
    RECT area = item.rcItem;
    const std::wstring caption = windowText(item.hwndItem);
    if (item.CtlType == ODT_STATIC) {
        drawLabel(*control, dc, area);
        return;
    }
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    FillRect(dc, &area, control->brush.get());
    DrawEdge(dc, &area, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    HGDIOBJ old = SelectObject(dc, fontOf(*control));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int side = MulDiv(pictureButtonIconSize(*control->row), dpi_, 96);
    const int gap = MulDiv(2, dpi_, 96);
    const int shift = pressed ? 1 : 0;
    const int top = area.top + (area.bottom - area.top - side - gap - metrics.tmHeight) / 2 + shift;
    const int left = area.left + (area.right - area.left - side) / 2 + shift;
    if (control->icon) {
        DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(control->icon.get()), 0, left,
                   top, side, side, DST_ICON | (disabled ? DSS_DISABLED : DSS_NORMAL));
    }
    RECT text{area.left + 2 + shift, top + side + gap, area.right - 2 + shift,
              top + side + gap + metrics.tmHeight};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, disabled ? GetSysColor(COLOR_GRAYTEXT) : colorRef(control->colors.text));
    const UINT hidePrefix = (item.itemState & ODS_NOACCEL) != 0 ? DT_HIDEPREFIX : 0;
    DrawTextW(dc, caption.c_str(), -1, &text, DT_CENTER | DT_TOP | DT_SINGLELINE | hidePrefix);
    SelectObject(dc, old);
    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        const int inset = MulDiv(4, dpi_, 96);
        InflateRect(&area, -inset, -inset);
        DrawFocusRect(dc, &area);
    }
}

RECT FormWindow::textArea(const Control &label) const {
    RECT area{};
    GetClientRect(label.hwnd, &area);
    area.left += labelIndent(*label.row, dpi_);
    return area;
}

std::vector<std::wstring> FormWindow::shownLines(HWND label) const {
    const Control *control = find(label);
    if (control == nullptr) {
        return {};
    }
    HDC dc = GetDC(label);
    HGDIOBJ old = SelectObject(dc, fontOf(*control));
    const RECT area = textArea(*control);
    const std::wstring text = windowText(label);
    auto measure = [dc](std::wstring_view piece) {
        SIZE size{};
        GetTextExtentPoint32W(dc, piece.data(), static_cast<int>(piece.size()), &size);
        return static_cast<int>(size.cx);
    };
    std::vector<std::wstring> lines =
        wrapAtSpaces(std::wstring_view(text), measure, area.right - area.left);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    return lines;
}

void FormWindow::drawLabel(const Control &label, HDC dc, const RECT &area) const {
    FillRect(dc, &area, reinterpret_cast<HBRUSH>(colorLabel(dc, label.hwnd)));
    const std::vector<std::wstring> lines = shownLines(label.hwnd);
    HGDIOBJ old = SelectObject(dc, fontOf(label));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SetBkMode(dc, TRANSPARENT);
    RECT line = textArea(label);
    for (const std::wstring &text : lines) {
        if (line.top >= area.bottom) {
            break;
        }
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &line,
                  DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
        line.top += metrics.tmHeight + metrics.tmExternalLeading;
    }
    SelectObject(dc, old);
}

void FormWindow::paintBackground(HDC dc) const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    // Under high contrast the picture is left out, like every colour that is not the system's.
    if (picture_ && !surface_.background) {
        // At its natural size from the top left corner, as large as the window's DPI makes it.
        HBITMAP bitmap = bitmapOf(*picture_);
        BITMAP size{};
        GetObjectW(bitmap, sizeof size, &size);
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, bitmap);
        SetStretchBltMode(dc, HALFTONE);
        StretchBlt(dc, 0, 0, MulDiv(size.bmWidth, dpi_, 96), MulDiv(size.bmHeight, dpi_, 96),
                   source, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
        return;
    }
    FillRect(dc, &client, background_ ? background_.get() : GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace ravelo
