#include "win32/form_window.h"

#include <olectl.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "forms/layout_rules.h"
#include "forms/space_wrap.h"
#include "win32/text_win32.h"

namespace ravelo {
namespace {

constexpr wchar_t kWindowClass[] = L"RaveloForm";
constexpr int kFirstControlId = 100;
constexpr int kFirstMenuId = 1000;

HINSTANCE instance() {
    return GetModuleHandleW(nullptr);
}

ATOM windowClass(WNDPROC procedure) {
    static const ATOM atom = [procedure] {
        WNDCLASSEXW description{};
        description.cbSize = sizeof description;
        description.lpfnWndProc = procedure;
        description.hInstance = instance();
        description.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        description.lpszClassName = kWindowClass;
        return RegisterClassExW(&description);
    }();
    return atom;
}

// Sent by Windows 8.1 and later when the window moves to a monitor of another DPI; the headers
// of the oldest Windows that the program supports do not name it.
constexpr UINT kWmDpiChanged = 0x02E0;

// The DPI of the monitor that shows the window; the system's where Windows cannot tell.
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

HFONT makeFont(FontSpec font, int dpi) {
    if (!faceInstalled(toWide(font.face))) {
        font = standInFor(font);
    }
    LOGFONTW description{};
    description.lfHeight = -static_cast<LONG>(std::lround(font.points * dpi / 72.0));
    description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    description.lfUnderline = font.underline ? TRUE : FALSE;
    description.lfCharSet = DEFAULT_CHARSET;
    toWide(font.face).copy(description.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&description);
}

// Decodes a picture that the program carries as a resource, with the decoder Windows offers.
IPicture *loadPicture(std::string_view name) {
    HRSRC found = FindResourceW(instance(), toWide(name).c_str(), MAKEINTRESOURCEW(10));
    if (found == nullptr) {
        return nullptr;
    }
    const DWORD size = SizeofResource(instance(), found);
    const void *bytes = LockResource(LoadResource(instance(), found));
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
    IStream *stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
        GlobalFree(copy);
        return nullptr;
    }
    IPicture *picture = nullptr;
    if (FAILED(OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                              reinterpret_cast<void **>(&picture)))) {
        picture = nullptr;
    }
    stream->Release();
    return picture;
}

HBITMAP bitmapOf(IPicture *picture) {
    OLE_HANDLE handle = 0;
    picture->get_Handle(&handle);
    return reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
}

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

FormWindow::FormWindow(const WindowLayout &layout, HWND owner, Events events)
    : layout_(layout), events_(std::move(events)) {
    DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (layout.frame == Frame::kSizableToolWindow) {
        style |= WS_THICKFRAME;
    }
    DWORD exStyle = WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;
    if (layout.inTaskBar) {
        exStyle |= WS_EX_APPWINDOW;
    }
    CreateWindowExW(exStyle,
                    reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(windowClass(windowProc))),
                    toWide(layout.caption).c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT, 400, 300,
                    owner, nullptr, instance(), this);
    if (hwnd_ == nullptr) {
        return;
    }
    if (layout.background) {
        background_ = CreateSolidBrush(colorRef(*layout.background));
    }
    if (!layout.picture.empty()) {
        picture_ = loadPicture(layout.picture);
    }
    if (!layout.icon.empty()) {
        const std::wstring icon = toWide(layout.icon);
        for (const auto &[which, metric] :
             {std::pair{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}}) {
            const int side = GetSystemMetrics(metric);
            SendMessageW(hwnd_, WM_SETICON, which,
                         reinterpret_cast<LPARAM>(LoadImageW(instance(), icon.c_str(), IMAGE_ICON,
                                                             side, side, LR_SHARED)));
        }
    }
    createControls();
    createMenus();
    place(dpiOf(hwnd_));
}

FormWindow::~FormWindow() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
    releaseDpiResources();
    for (Control &control : controls_) {
        if (control.brush != nullptr) {
            DeleteObject(control.brush);
        }
    }
    if (background_ != nullptr) {
        DeleteObject(background_);
    }
    if (accelerators_ != nullptr) {
        DestroyAcceleratorTable(accelerators_);
    }
    if (picture_ != nullptr) {
        picture_->Release();
    }
}

HWND FormWindow::control(ControlName name) const {
    for (const Control &control : controls_) {
        if (control.row->name == name) {
            return control.hwnd;
        }
    }
    return nullptr;
}

const FormWindow::Control *FormWindow::find(HWND hwnd) const {
    for (const Control &control : controls_) {
        if (control.hwnd == hwnd) {
            return &control;
        }
    }
    return nullptr;
}

void FormWindow::setBackColor(HWND label, Rgb color) {
    for (Control &control : controls_) {
        if (control.hwnd == label) {
            if (control.brush != nullptr) {
                DeleteObject(control.brush);
            }
            control.back = colorRef(color);
            control.brush = CreateSolidBrush(control.back);
            InvalidateRect(label, nullptr, TRUE);
        }
    }
}

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
                            WS_CHILD | SS_NOPREFIX, 0, 0, 0, 0, hwnd_, nullptr, instance(),
                            nullptr);
        }
        const ControlClass kind = classOf(*row);
        const auto id = static_cast<INT_PTR>(kFirstControlId + (row - layout_.controls.data()));
        Control control{row};
        control.hwnd =
            CreateWindowExW(kind.exStyle, kind.name, toWide(row->caption).c_str(), kind.style, 0, 0,
                            0, 0, hwnd_, reinterpret_cast<HMENU>(id), instance(), nullptr);
        if (row->paint == Paint::kColor) {
            control.back = colorRef(row->background);
            control.brush = CreateSolidBrush(control.back);
        }
        if (row->kind == ControlKind::kTextBox) {
            SendMessageW(control.hwnd, EM_SETLIMITTEXT, 0, 0);  // as long as the system allows
        }
        controls_.push_back(control);
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
        HRGN shown = CreateRectRgn(0, 0, label.right - label.left, label.bottom - label.top);
        bool clipped = false;
        for (std::size_t j = i + 1; j < controls_.size(); ++j) {
            RECT other{}, overlap{};
            GetWindowRect(controls_[j].hwnd, &other);
            if (controls_[j].row->takesFocus() && IntersectRect(&overlap, &label, &other)) {
                OffsetRect(&overlap, -label.left, -label.top);
                HRGN covered = CreateRectRgnIndirect(&overlap);
                CombineRgn(shown, shown, covered, RGN_DIFF);
                DeleteObject(covered);
                clipped = true;
            }
        }
        if (clipped) {
            SetWindowRgn(controls_[i].hwnd, shown, FALSE);  // the window owns the region now
        } else {
            SetWindowRgn(controls_[i].hwnd, nullptr, FALSE);
            DeleteObject(shown);
        }
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
    SetMenu(hwnd_, bar);
    accelerators_ = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

void FormWindow::releaseDpiResources() {
    for (Control &control : controls_) {
        if (control.font != nullptr) {
            DeleteObject(control.font);
            control.font = nullptr;
        }
        if (control.icon != nullptr) {
            DestroyIcon(control.icon);
            control.icon = nullptr;
        }
    }
    if (defaultFont_ != nullptr) {
        DeleteObject(defaultFont_);
        defaultFont_ = nullptr;
    }
}

void FormWindow::place(int dpi) {
    releaseDpiResources();
    dpi_ = dpi;
    defaultFont_ = makeFont(layout_.defaultFont, dpi);
    for (Control &control : controls_) {
        const ControlLayout &row = *control.row;
        SetWindowPos(control.hwnd, nullptr, twipsToPixels(row.left, dpi),
                     twipsToPixels(row.top, dpi), twipsToPixels(row.width, dpi),
                     twipsToPixels(row.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
        if (!row.font.face.empty()) {
            control.font = makeFont(row.font, dpi);
        }
        SendMessageW(control.hwnd, WM_SETFONT,
                     reinterpret_cast<WPARAM>(control.font ? control.font : defaultFont_), TRUE);
        if (row.kind == ControlKind::kPictureButton) {
            const int side = MulDiv(pictureButtonIconSize(row), dpi, 96);
            control.icon = static_cast<HICON>(
                LoadImageW(instance(), toWide(row.icon).c_str(), IMAGE_ICON, side, side, 0));
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

FormWindow *FormWindow::of(HWND hwnd) {
    if (hwnd == nullptr || GetClassLongPtrW(hwnd, GCW_ATOM) != windowClass(windowProc)) {
        return nullptr;
    }
    return reinterpret_cast<FormWindow *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

bool FormWindow::preTranslate(MSG &message) {
    HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    FormWindow *form = of(root);
    if (form == nullptr) {
        return false;
    }
    // The shortcuts win over the keys of the focused control, text boxes included.
    if (form->accelerators_ != nullptr &&
        TranslateAcceleratorW(root, form->accelerators_, &message) != 0) {
        return true;
    }
    return IsDialogMessageW(root, &message) != FALSE;
}

LRESULT CALLBACK FormWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto *self =
            static_cast<FormWindow *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<FormWindow *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        if (self != nullptr) {
            self->hwnd_ = nullptr;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (self == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

LRESULT FormWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            command(wParam, lParam);
            return 0;
        case WM_CTLCOLORSTATIC:
            return colorLabel(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_DRAWITEM:
            drawItem(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
            return TRUE;
        case WM_ERASEBKGND:
            paintBackground(reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus != nullptr && IsChild(hwnd_, focus)) {
                    lastFocus_ = focus;
                }
            } else {
                restoreFocus();
            }
            return 0;
        case WM_SETFOCUS:
            restoreFocus();
            return 0;
        case WM_CLOSE:
            if (events_.close) {
                events_.close();
            } else {
                DestroyWindow(hwnd_);
            }
            return 0;
        case kWmDpiChanged: {
            const RECT &suggested = *reinterpret_cast<const RECT *>(lParam);
            SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top,
                         suggested.right - suggested.left, suggested.bottom - suggested.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            place(HIWORD(wParam));
            InvalidateRect(hwnd_, nullptr, TRUE);
            return 0;
        }
        default:
            return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

// The focus comes back to the control that had it when the window was last left, else to the
// first control in tab order.
void FormWindow::restoreFocus() {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(hwnd_, focus)) {
        return;
    }
    if (lastFocus_ == nullptr || !IsChild(hwnd_, lastFocus_) || !IsWindowVisible(lastFocus_)) {
        lastFocus_ = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    }
    if (lastFocus_ != nullptr) {
        SetFocus(lastFocus_);
    }
}

void FormWindow::command(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (lParam != 0) {
        const Control *control = find(reinterpret_cast<HWND>(lParam));
        if (control == nullptr || !events_.control) {
            return;
        }
        // Windows reports the second of two quick clicks on a picture button as a double
        // click; for the user it is one more click.
        int notification = HIWORD(wParam);
        if (notification == BN_DOUBLECLICKED && control->row->kind == ControlKind::kPictureButton) {
            notification = BN_CLICKED;
        }
        events_.control(control->row->name, notification);
        return;
    }
    const int item = id - kFirstMenuId;
    if (item >= 0 && item < static_cast<int>(menuItems_.size())) {
        if (events_.menu) {
            events_.menu(menuItems_[static_cast<std::size_t>(item)]);
        }
        return;
    }
    // Enter: a focused button is pressed, as the space bar presses it; elsewhere nothing happens.
    if (id == IDOK) {
        HWND focus = GetFocus();
        if (const Control *control = find(focus);
            control && (control->row->kind == ControlKind::kButton ||
                        control->row->kind == ControlKind::kPictureButton)) {
            SendMessageW(focus, BM_CLICK, 0, 0);
        }
    }
}

LRESULT FormWindow::colorLabel(HDC dc, HWND label) const {
    const Control *control = find(label);
    if (control == nullptr || control->row->kind != ControlKind::kLabel) {
        return DefWindowProcW(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(label));
    }
    const auto &text = control->row->textColor;
    SetTextColor(dc, text ? colorRef(*text) : GetSysColor(COLOR_BTNTEXT));
    if (control->brush != nullptr) {
        SetBkColor(dc, control->back);
        return reinterpret_cast<LRESULT>(control->brush);
    }
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
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
    FillRect(dc, &area, control->brush ? control->brush : GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &area, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    HGDIOBJ old = SelectObject(dc, control->font ? control->font : defaultFont_);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int side = MulDiv(pictureButtonIconSize(*control->row), dpi_, 96);
    const int gap = MulDiv(2, dpi_, 96);
    const int shift = pressed ? 1 : 0;
    const int top = area.top + (area.bottom - area.top - side - gap - metrics.tmHeight) / 2 + shift;
    const int left = area.left + (area.right - area.left - side) / 2 + shift;
    if (control->icon != nullptr) {
        DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(control->icon), 0, left, top,
                   side, side, DST_ICON | (disabled ? DSS_DISABLED : DSS_NORMAL));
    }
    RECT text{area.left + 2 + shift, top + side + gap, area.right - 2 + shift,
              top + side + gap + metrics.tmHeight};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    const UINT hidePrefix = (item.itemState & ODS_NOACCEL) != 0 ? DT_HIDEPREFIX : 0;
    DrawTextW(dc, caption.c_str(), -1, &text, DT_CENTER | DT_TOP | DT_SINGLELINE | hidePrefix);
    SelectObject(dc, old);
    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        const int inset = MulDiv(4, dpi_, 96);
        InflateRect(&area, -inset, -inset);
        DrawFocusRect(dc, &area);
    }
}

// A label that starts left of the window indents its text, to keep the first letter in sight.
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
    HGDIOBJ old = SelectObject(dc, control->font ? control->font : defaultFont_);
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
    HGDIOBJ old = SelectObject(dc, label.font ? label.font : defaultFont_);
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
    if (picture_ != nullptr) {
        // At its natural size from the top left corner, as large as the window's DPI makes it.
        HBITMAP bitmap = bitmapOf(picture_);
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
    FillRect(dc, &client, background_ ? background_ : GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace ravelo
