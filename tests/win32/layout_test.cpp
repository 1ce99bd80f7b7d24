// What Windows shows of each window against the window's layout rows: frames and client areas,
// every control where its row puts it in its row's font and caption, the focus walking the tab
// indexes, the menus with their shortcuts.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "forms/window_layouts.h"
#include "support/tab_orders.h"
#include "win32/form1_fixture.h"
#include "win32/text_win32.h"

using namespace ravelo;
using namespace ravelo::testing;

namespace {

RECT placeOf(HWND control) {
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT *>(&place), 2);
    return place;
}

struct Win32Layout : Win32Form1 {
    HWND open(const WindowLayout &layout) {
        if (layout.name == form2::window) {
            pressKey('A', {VK_MENU});
            waitFor([&] { return form->form2Window() != nullptr; });
            return form->form2Window();
        }
        if (layout.name == form3::window) {
            SetForegroundWindow(form->hwnd());
            settle(50);
            pressKey(VK_F1);
            waitFor([&] { return form->form3Window() != nullptr; });
            return form->form3Window();
        }
        return form->hwnd();
    }

    static void checkControls(HWND window, const WindowLayout &layout) {
        const int dpi = FormWindow::of(window)->dpi();
        for (const ControlLayout &row : layout.controls) {
            SCOPED_TRACE(std::string(layout.name.text()) + "." + std::string(row.name.text()));
            HWND control = controlOf(window, row.name);
            ASSERT_NE(control, nullptr);
            const RECT place = placeOf(control);
            EXPECT_EQ(place.left, twipsToPixels(row.left, dpi));
            EXPECT_EQ(place.top, twipsToPixels(row.top, dpi));
            EXPECT_EQ(place.right - place.left, twipsToPixels(row.width, dpi));
            EXPECT_EQ(place.bottom - place.top, twipsToPixels(row.height, dpi));

            const FontSpec wanted = row.font.face.empty() ? layout.defaultFont : row.font;
            LOGFONTW font{};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)),
                       sizeof font, &font);
            const std::string face = fromWide(font.lfFaceName);
            EXPECT_TRUE(face == wanted.face || face == "Arial") << face;
            EXPECT_EQ(font.lfHeight, -std::lround(wanted.points * dpi / 72));
            EXPECT_EQ(font.lfUnderline != 0, wanted.underline);
            EXPECT_EQ(font.lfWeight == FW_BOLD,
                      wanted.bold || (face != wanted.face && wanted.face == "Arial Black"));

            const bool tabStop = (GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP) != 0;
            EXPECT_EQ(tabStop, row.takesFocus());
            if (row.kind != ControlKind::kTextBox && row.kind != ControlKind::kListBox &&
                row.name != form3::Label13) {
                EXPECT_EQ(textOf(control), row.caption);
            }
        }
    }

    static std::vector<ControlName> walkTabs(HWND window, const WindowLayout &layout,
                                             std::size_t count) {
        std::vector<ControlName> walked;
        HWND at = GetNextDlgTabItem(window, nullptr, FALSE);
        for (std::size_t i = 0; i < count && at != nullptr; ++i) {
            for (const ControlLayout &row : layout.controls) {
                if (controlOf(window, row.name) == at) {
                    walked.push_back(row.name);
                }
            }
            at = GetNextDlgTabItem(window, at, FALSE);
        }
        return walked;
    }
};

}  // namespace

TEST_F(Win32Layout, EveryWindowShowsItsRowsInItsFrame) {
    for (const WindowLayout *layout : {&form1Layout(), &form2Layout(), &form3Layout()}) {
        SCOPED_TRACE(std::string(layout->name.text()));
        HWND window = open(*layout);
        ASSERT_NE(window, nullptr);
        // The system's DPI: 96 unless the test run sets another.
        const char *wanted = std::getenv("RAVELO_TEST_DPI");
        const int dpi = FormWindow::of(window)->dpi();
        ASSERT_EQ(dpi, wanted != nullptr ? std::atoi(wanted) : 96);
        EXPECT_EQ(textOf(window), layout->caption);
        RECT client{};
        GetClientRect(window, &client);
        EXPECT_EQ(client.right, twipsToPixels(layout->clientWidth, dpi));
        EXPECT_EQ(client.bottom, twipsToPixels(layout->clientHeight, dpi));

        const LONG style = GetWindowLongW(window, GWL_STYLE);
        const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
        EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
        EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
        EXPECT_EQ((style & WS_THICKFRAME) != 0, layout->frame == Frame::kSizableToolWindow);
        EXPECT_EQ((exStyle & WS_EX_APPWINDOW) != 0, layout->inTaskBar);
        EXPECT_EQ(GetWindow(window, GW_OWNER) == form->hwnd(), !layout->inTaskBar);
        EXPECT_EQ(SendMessageW(window, WM_GETICON, ICON_BIG, 0) != 0, !layout->icon.empty());

        checkControls(window, *layout);
        const std::vector<ControlName> order = tabOrderOf(*layout);
        EXPECT_EQ(walkTabs(window, *layout, order.size() + 1), [&] {
            std::vector<ControlName> round = order;
            round.push_back(order.front());  // and round again
            return round;
        }());
    }
}

TEST_F(Win32Layout, LabelsLieUnderTheOtherControlsAndTheCountOverItsLabel) {
    HWND window = form->hwnd();
    std::vector<HWND> stack;  // top first
    for (HWND child = GetWindow(GetWindow(window, GW_CHILD), GW_HWNDFIRST); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        stack.push_back(child);
    }
    auto depth = [&](ControlName name) {
        return std::ranges::find(stack, controlOf(window, name)) - stack.begin();
    };
    EXPECT_LT(depth(form1::Label5), depth(form1::Label1));
    EXPECT_LT(depth(form1::List1), depth(form1::Label1));
    // The count shows over its label where the two meet.
    RECT count = placeOf(controlOf(window, form1::Label5));
    POINT inside{count.left + 3, count.top + 3};
    EXPECT_EQ(ChildWindowFromPointEx(window, inside, CWP_ALL), controlOf(window, form1::Label5));
}

TEST_F(Win32Layout, MenusShowTheirRowsWithTheirShortcuts) {
    HMENU bar = GetMenu(form->hwnd());
    const auto &menus = form1Layout().menus;
    ASSERT_EQ(GetMenuItemCount(bar), static_cast<int>(menus.size()));
    for (std::size_t m = 0; m < menus.size(); ++m) {
        wchar_t title[64] = {};
        GetMenuStringW(bar, static_cast<UINT>(m), title, 64, MF_BYPOSITION);
        EXPECT_EQ(fromWide(title), menus[m].caption);
        HMENU items = GetSubMenu(bar, static_cast<int>(m));
        ASSERT_EQ(GetMenuItemCount(items), static_cast<int>(menus[m].items.size()));
        for (std::size_t i = 0; i < menus[m].items.size(); ++i) {
            const MenuItemLayout &row = menus[m].items[i];
            wchar_t caption[64] = {};
            GetMenuStringW(items, static_cast<UINT>(i), caption, 64, MF_BYPOSITION);
            std::string expected(row.caption);
            if (row.shortcut != Shortcut::kNone) {
                expected += '\t';
                expected += shortcutText(row.shortcut);
            }
            EXPECT_EQ(fromWide(caption), expected);
        }
    }
}

TEST_F(Win32Layout, LabelsBreakTheirLinesAtSpacesOnly) {
    HWND form3 = open(form3Layout());
    ASSERT_NE(form3, nullptr);
    FormWindow &window = *FormWindow::of(form3);
    for (const ControlLayout &row : form3Layout().controls) {
        if (row.takesFocus()) {
            continue;
        }
        // The window draws the label from these lines.
        EXPECT_EQ(GetWindowLongW(window.control(row.name), GWL_STYLE) & SS_TYPEMASK, SS_OWNERDRAW);
        const std::wstring caption = windowText(window.control(row.name));
        std::size_t at = 0;
        for (const std::wstring &line : window.shownLines(window.control(row.name))) {
            at = caption.find(line, at);
            ASSERT_NE(at, std::wstring::npos) << row.name;
            const std::size_t end = at + line.size();
            EXPECT_TRUE(at == 0 || caption[at - 1] == L' ') << row.name << ": " << fromWide(line);
            EXPECT_TRUE(end == caption.size() || caption[end] == L' ')
                << row.name << ": " << fromWide(line);
            at = end;
        }
    }
    const std::vector<std::wstring> path = window.shownLines(window.control(form3::Label3));
    EXPECT_EQ(path.size(), 3u);
    EXPECT_EQ(std::ranges::count_if(path,
                                    [](const std::wstring &line) {
                                        return line.find(L"C:\\Documents") != std::wstring::npos;
                                    }),
              1);
}

TEST_F(Win32Layout, EveryFixedStatusTextShowsItsSecondPhraseOnTheOneLine) {
    HWND status = control(form1::Label7);
    const std::string texts[] = {
        prefixed(108, "Browsing for File..."),
        prefixed(110, "Click browse to begin."),
        prefixed(89, "Please wait while reading file..."),
        prefixed(89, "Could not open the chosen file."),
        prefixed(90, "Could not read the whole file."),
        prefixed(103, "The list is full."),
        "All addresses cleared." + std::string(113, ' ') + "Click browse to begin.",
        prefixed(52, "Detected user aborted file export! File NOT exported."),
        prefixed(69, "Could not write the file! File NOT exported."),
        prefixed(55, "File successfully written toC:\\nk2export.csv"),
        "Finished reading file, 999 e-mail addresses found." + std::string(60, ' ') +
            "Now Selected: 999 of 999",
    };
    for (const std::string &text : texts) {
        SetWindowTextA(status, text.c_str());
        EXPECT_EQ(FormWindow::of(form->hwnd())->shownLines(status).size(), 1u) << text;
    }
}
