// Every text of the Windows program's windows reads well with the system's light colours and
// with dark ones chosen while it runs, measured on the screen's pixels; the colours that a
// layout fixes show as it fixes them.
#include <windows.h>

#include <iterator>
#include <string>
#include <vector>

#include "forms/window_layouts.h"
#include "support/shown_colors.h"
#include "win32/form1_fixture.h"

using namespace ravelo;
using namespace ravelo::testing;

namespace {

// The colours of a contrast theme with light text on dark faces.
constexpr int kElements[] = {COLOR_BTNFACE,    COLOR_BTNTEXT,   COLOR_WINDOW,
                             COLOR_WINDOWTEXT, COLOR_3DHILIGHT, COLOR_3DSHADOW,
                             COLOR_3DDKSHADOW, COLOR_3DLIGHT,   COLOR_GRAYTEXT};
constexpr COLORREF kDark[] = {RGB(32, 32, 32),    RGB(255, 255, 255), RGB(0, 0, 0),
                              RGB(255, 255, 255), RGB(90, 90, 90),    RGB(16, 16, 16),
                              RGB(0, 0, 0),       RGB(64, 64, 64),    RGB(160, 160, 160)};

// The screen's pixels in `area`, in screen coordinates.
std::vector<Rgb> screenPixels(RECT area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void *bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    std::vector<Rgb> pixels;
    const auto *quads = static_cast<const RGBQUAD *>(bits);
    for (int i = 0; i < width * height; ++i) {
        pixels.push_back(Rgb{quads[i].rgbRed, quads[i].rgbGreen, quads[i].rgbBlue});
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// Where a control shows its text on the screen: a picture button's caption under its icon, a
// label as far as no other lies over it.
RECT textArea(HWND control, const ControlLayout &row, const WindowLayout &layout, int dpi) {
    RECT area{};
    GetWindowRect(control, &area);
    if (row.kind == ControlKind::kLabel) {
        area.right = area.left + twipsToPixels(uncoveredWidth(layout, row), dpi);
    } else if (row.kind == ControlKind::kPictureButton) {
        const int line = MulDiv(20, dpi, 96);
        area = {area.left + 6, area.bottom - line - 6, area.right - 6, area.bottom - 3};
    } else {
        InflateRect(&area, -4, -4);
    }
    RECT window{};
    GetClientRect(GetParent(control), &window);
    MapWindowPoints(GetParent(control), nullptr, reinterpret_cast<POINT *>(&window), 2);
    IntersectRect(&area, &area, &window);
    return area;
}

struct Win32Colors : Win32Form1 {
    COLORREF before[std::size(kElements)] = {};
    void SetUp() override {
        for (std::size_t i = 0; i < std::size(kElements); ++i) {
            before[i] = GetSysColor(kElements[i]);
        }
        Win32Form1::SetUp();
    }
    void TearDown() override {
        SetSysColors(static_cast<int>(std::size(kElements)), kElements, before);
        Win32Form1::TearDown();
    }
};

}  // namespace

TEST_F(Win32Colors, EveryTextReadsWithLightAndDarkSystemColours) {
    pressKey('A', {VK_MENU});
    ASSERT_TRUE(waitFor([&] { return form->form2Window() != nullptr; }));
    SetWindowPos(form->form2Window(), nullptr, 660, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetForegroundWindow(form->hwnd());
    settle(50);
    pressKey(VK_F1);
    ASSERT_TRUE(waitFor([&] { return form->form3Window() != nullptr; }));
    SetWindowPos(form->form3Window(), nullptr, 660, 160, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    settle(200);

    for (const char *desktop : {"light", "dark"}) {
        if (std::string(desktop) == "dark") {
            // Chosen while the windows are open, as a user switches the theme.
            SetSysColors(static_cast<int>(std::size(kElements)), kElements, kDark);
            settle(300);
        }
        for (const WindowLayout *layout : {&form1Layout(), &form2Layout(), &form3Layout()}) {
            HWND window = layout->name == form1::window   ? form->hwnd()
                          : layout->name == form2::window ? form->form2Window()
                                                          : form->form3Window();
            const int dpi = FormWindow::of(window)->dpi();
            for (const ControlLayout &row : layout->controls) {
                if (row.kind == ControlKind::kTextBox || row.kind == ControlKind::kListBox) {
                    continue;  // the system's own pair
                }
                SCOPED_TRACE(std::string(desktop) + " " + std::string(layout->name.text()) + "." +
                             std::string(row.name.text()));
                HWND control = controlOf(window, row.name);
                ASSERT_NE(control, nullptr);
                const ShownColors shown =
                    shownColors(screenPixels(textArea(control, row, *layout, dpi)));
                EXPECT_GE(shown.ratio, 4.5);
                if (row.paint == Paint::kColor) {
                    EXPECT_TRUE(closeTo(shown.background, row.background));
                }
                if (row.textColor) {
                    EXPECT_TRUE(closeTo(shown.text, *row.textColor, 24));
                }
            }
        }
    }
}
