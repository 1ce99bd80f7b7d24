// The window built from a layout, apart from the program's commands.
#include <gtest/gtest.h>

#include "forms/window_layouts.h"
#include "win32/form_window.h"
#include "win32/win32_driver.h"

#include <string>
#include <string_view>
#include <vector>

using namespace ravelo;
using namespace ravelo::testing;

TEST(Win32FormWindow, TwoQuickClicksOnAPictureButtonAreTwoClicks) {
    std::vector<ControlName> clicks;
    FormWindow window(form1Layout(), nullptr,
                      {.control =
                           [&](ControlName name, int notification) {
                               if (notification == BN_CLICKED) {
                                   clicks.push_back(name);
                               }
                           },
                       .menu = nullptr,
                       .close = nullptr});
    SetWindowPos(window.hwnd(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(window.hwnd(), SW_SHOW);
    SetForegroundWindow(window.hwnd());
    settle(100);
    click(window.control(form1::delete_));
    click(window.control(form1::delete_));
    ASSERT_TRUE(waitFor([&] { return clicks.size() == 2; })) << clicks.size();
    EXPECT_EQ(clicks, (std::vector<ControlName>{form1::delete_, form1::delete_}));
}

TEST(Win32FormWindow, TheCloseBoxDestroysAWindowWithoutAHandler) {
    FormWindow window(form3Layout(), nullptr,
                      {.control = nullptr, .menu = nullptr, .close = nullptr});
    HWND hwnd = window.hwnd();
    ShowWindow(hwnd, SW_SHOW);
    settle(50);
    SendMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    settle(50);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(window.hwnd(), nullptr);
    EXPECT_EQ(FormWindow::of(hwnd), nullptr);
}
