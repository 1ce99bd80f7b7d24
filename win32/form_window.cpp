#include "win32/form_window.h"

#include <olectl.h>

#include <string>
#include <utility>

#include "win32/text_win32.h"
#include "win32/window_resources.h"

// The window itself: its class, its creation and the dispatch of its messages, the focus and the
// keys. Building its controls and menus, placing them for a DPI, and painting stand in files of
// their own.
namespace ravelo {
namespace {

constexpr wchar_t kWindowClass[] = L"RaveloForm";

ATOM windowClass(WNDPROC procedure) {
    static const ATOM atom = [procedure] {
        WNDCLASSEXW description{};
        description.cbSize = sizeof description;
        description.lpfnWndProc = procedure;
        description.hInstance = programInstance();
        description.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        description.lpszClassName = kWindowClass;
        return RegisterClassExW(&description);
    }();
    return atom;
}

// Sent by Windows 8.1 and later when the window moves to a monitor of another DPI; the headers
// of the oldest Windows that the program supports do not name it.
constexpr UINT kWmDpiChanged = 0x02E0;

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
                    owner, nullptr, programInstance(), this);
    if (hwnd_ == nullptr) {
        return;
    }
    if (!layout.picture.empty()) {
        picture_ = loadPicture(layout.picture);
    }
    if (!layout.icon.empty()) {
        const std::wstring icon = toWide(layout.icon);
        for (const auto &[which, metric] :
             {std::pair{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}}) {
            const int side = GetSystemMetrics(metric);
            // Shared icons belong to the system, which frees them.
            SendMessageW(hwnd_, WM_SETICON, which,
                         reinterpret_cast<LPARAM>(LoadImageW(programInstance(), icon.c_str(),
                                                             IMAGE_ICON, side, side, LR_SHARED)));
        }
    }
    createControls();
    createMenus();
    recolor();
    place(dpiOf(hwnd_));
}

// The window goes first; its fonts, brushes and icons, which it draws with, after it.
FormWindow::~FormWindow() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
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

HFONT FormWindow::fontOf(const Control &control) const {
    return control.font ? control.font.get() : defaultFont_.get();
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
    if (form->accelerators_ &&
        TranslateAcceleratorW(root, form->accelerators_.get(), &message) != 0) {
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
        case WM_SETTINGCHANGE:
            if (wParam != SPI_SETHIGHCONTRAST) {
                return DefWindowProcW(hwnd_, message, wParam, lParam);
            }
            [[fallthrough]];
        case WM_SYSCOLORCHANGE:
            // A theme chosen while the program runs: the controls of the system are told too.
            for (const Control &control : controls_) {
                SendMessageW(control.hwnd, WM_SYSCOLORCHANGE, 0, 0);
            }
            recolor();
            RedrawWindow(hwnd_, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
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

}  // namespace ravelo
