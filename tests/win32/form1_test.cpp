// The Windows program's main window driven by mouse and keyboard: a whole scan and export of a
// cache file byte for byte, the list commands, the shortcuts and the secondary windows.
#include "export/contact_csv.h"
#include "forms/event_pauser.h"
#include "forms/form1_commands.h"
#include "platform/clock.h"
#include "win32/form1_fixture.h"
#include "win32/message_loop.h"

#include <oleacc.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

using namespace ravelo;
using namespace ravelo::testing;

TEST_F(Win32Form1, StartsWithTheTextsOfAnEmptyListAndTheFocusOnBrowse) {
    EXPECT_EQ(textOf(form->hwnd()), "Ravelo");
    EXPECT_EQ(text(form1::Label7), prefixed(110, "Click browse to begin."));
    EXPECT_EQ(text(form1::Label5), "0");
    EXPECT_EQ(text(form1::Text1), "C:\\nk2export.csv");
    EXPECT_TRUE(text(form1::Text2).ends_with("\\Microsoft\\Outlook\\Outlook.NK2"))
        << text(form1::Text2);
    EXPECT_EQ(text(form1::Text3),
              "Select the e-mail address from the list below, then Copy & Paste from here.");
    EXPECT_TRUE(rows().empty());
    EXPECT_EQ(GetFocus(), control(form1::Command1));
}

TEST_F(Win32Form1, ScansACacheFileAndExportsTheSameBytesAsEveryOtherBuild) {
    const std::filesystem::path cache = sample();
    scan(cache);
    EXPECT_EQ(rows(), (std::vector<std::string>{"ann.archer@example.org",
                                                "Bob, \"the\" Builder <bob@example.net>",
                                                "ren\xe9"
                                                "e@example.fr"}));
    EXPECT_EQ(text(form1::Label5), "3");
    EXPECT_EQ(text(form1::Label7), "Finished reading file, 3 e-mail addresses found.");
    EXPECT_EQ(std::filesystem::path(text(form1::Text2)), cache);
    EXPECT_TRUE(IsWindowEnabled(control(form1::Command1)));
    EXPECT_TRUE(IsWindowEnabled(control(form1::Command2)));

    // The export path typed into its box, then Alt+E and Yes with the mouse.
    const std::filesystem::path exported = dir / "contacts.csv";
    typeOver(control(form1::Text1), exported.wstring());
    ASSERT_EQ(text(form1::Text1), exported.string());
    std::string prompt;
    DialogAnswer answer("Confirm file export?", [&prompt](HWND box) {
        prompt = textOf(GetDlgItem(box, 0xffff));
        click(GetDlgItem(box, IDYES));
    });
    pressKey('E', {VK_MENU});
    ASSERT_TRUE(waitFor([&] {
        return text(form1::Label7).find("File successfully") != std::string::npos;
    })) << text(form1::Label7);
    EXPECT_EQ(prompt, "Are you sure you wish to export this file to\r\n" + exported.string() + "?");
    EXPECT_EQ(text(form1::Label7),
              prefixed(55, "File successfully written to") + exported.string());
    EXPECT_EQ(readFile(exported),
              readFile(std::filesystem::path(RAVELO_TEST_DATA) / "sample-export.csv"));
    EXPECT_EQ(readFile(cache), readFile(std::filesystem::path(RAVELO_TEST_DATA) / "sample.NK2"))
        << "the cache file is only read";
}

// The colour that a person sees amid the status line's spaces, sampled by a timer that
// fires inside the export's own waits.
struct StatusColors {
    static inline HWND status = nullptr;
    static inline std::vector<COLORREF> seen;
    static void CALLBACK sample(HWND, UINT, UINT_PTR, DWORD) {
        RECT area{};
        GetClientRect(status, &area);
        HDC dc = GetDC(status);
        HDC copy = CreateCompatibleDC(dc);
        HBITMAP pixel = CreateCompatibleBitmap(dc, 1, 1);
        HGDIOBJ old = SelectObject(copy, pixel);
        BitBlt(copy, 0, 0, 1, 1, dc, area.right / 2, 1, SRCCOPY);
        const COLORREF color = GetPixel(copy, 0, 0);
        SelectObject(copy, old);
        DeleteObject(pixel);
        DeleteDC(copy);
        ReleaseDC(status, dc);
        if (seen.empty() || seen.back() != color) {
            seen.push_back(color);
        }
    }
};

TEST_F(Win32Form1, AnExportThatCannotBeWrittenSaysSoInRed) {
    fill({"a@x"});
    typeOver(control(form1::Text1), (dir / L"missing" / L"contacts.csv").wstring());
    DialogAnswer answer("Confirm file export?", [](HWND box) { click(GetDlgItem(box, IDYES)); });
    StatusColors::status = control(form1::Label7);
    StatusColors::seen.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, StatusColors::sample);
    click(control(form1::Command2));
    const std::string failure = prefixed(69, "Could not write the file! File NOT exported.");
    ASSERT_TRUE(waitFor([&] { return text(form1::Label7) == failure; })) << text(form1::Label7);
    ASSERT_TRUE(waitFor([] { return StatusColors::seen.size() >= 3; }, 15000));
    KillTimer(nullptr, timer);
    EXPECT_EQ(StatusColors::seen,
              (std::vector<COLORREF>{RGB(0, 0, 255), RGB(255, 0, 0), RGB(0, 0, 255)}));
    EXPECT_EQ(text(form1::Label7), failure);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}

TEST_F(Win32Form1, TheCacheFileReadIsNeverExportedIntoWhateverTheBoxSaysNow) {
    fill({"a@x"});
    const std::filesystem::path cache = dir / "cache.NK2";
    const std::string before = readFile(cache);
    typeOver(control(form1::Text2), (dir / L"elsewhere.NK2").wstring());
    // The same file by another name: other letter case and forward slashes.
    std::wstring other = (dir / L"CACHE.nk2").wstring();
    std::replace(other.begin(), other.end(), L'\\', L'/');
    typeOver(control(form1::Text1), other);
    DialogAnswer answer("Confirm file export?", [](HWND box) { click(GetDlgItem(box, IDYES)); });
    click(control(form1::Command2));
    const std::string failure = prefixed(69, "Could not write the file! File NOT exported.");
    ASSERT_TRUE(waitFor([&] { return text(form1::Label7) == failure; }, 15000))
        << text(form1::Label7);
    EXPECT_EQ(readFile(cache), before);
}

TEST_F(Win32Form1, ACancelledDialogLeavesEverythingAsItWas) {
    DialogAnswer answer("Choose your NK2 file.",
                        [](HWND box) { click(GetDlgItem(box, IDCANCEL)); });
    pressKey('B', {VK_MENU});
    ASSERT_TRUE(waitFor(
        [&] { return answer.answered() && findDialog("Choose your NK2 file.") == nullptr; }));
    settle(50);
    EXPECT_EQ(text(form1::Label7), prefixed(110, "Click browse to begin."));
    EXPECT_TRUE(IsWindowEnabled(control(form1::Command1)));
    EXPECT_TRUE(IsWindowEnabled(control(form1::Command2)));
    EXPECT_TRUE(rows().empty());
}

TEST_F(Win32Form1, AClickOnARowSelectsItAndRemoveNameTakesOnlyThatOneOut) {
    fill({"a@x", "b@x", "c@x"});
    HWND list = control(form1::List1);
    RECT row{};
    SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
    clickAt(list, POINT{(row.left + row.right) / 2, (row.top + row.bottom) / 2});
    ASSERT_TRUE(waitFor([&] { return text(form1::Text3) == "b@x"; })) << text(form1::Text3);
    EXPECT_EQ(text(form1::Label7), "Finished reading file, 3 e-mail addresses found." +
                                       std::string(60, ' ') + "Now Selected: 2 of 3");
    pressKey(VK_DOWN);  // the keyboard selects too
    ASSERT_TRUE(waitFor([&] { return text(form1::Text3) == "c@x"; }));
    pressKey(VK_UP);
    ASSERT_TRUE(waitFor([&] { return text(form1::Text3) == "b@x"; }));

    click(control(form1::delete_));
    ASSERT_TRUE(waitFor([&] { return rows().size() == 2; }));
    EXPECT_EQ(rows(), (std::vector<std::string>{"a@x", "c@x"}));
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), LB_ERR) << "no entry selected";
    EXPECT_EQ(text(form1::Label5), "3") << "the count waits for the next count";
    EXPECT_EQ(text(form1::Text3), "b@x");
    EXPECT_EQ(GetFocus(), list);

    click(control(form1::Command3));
    ASSERT_TRUE(waitFor([&] { return rows().empty(); }));
    EXPECT_EQ(text(form1::Label5), "0");
    EXPECT_EQ(text(form1::Label7),
              "All addresses cleared." + std::string(113, ' ') + "Click browse to begin.");
}

TEST_F(Win32Form1, ShortcutsWinOverTheTextBoxesOfTheMainWindowOnly) {
    click(control(form1::Text3));
    settle(50);
    pressKey(VK_HOME);
    pressKey(VK_END, {VK_SHIFT});
    pressKey('X', {VK_CONTROL});
    settle(100);
    EXPECT_EQ(endings, 1);
    EXPECT_EQ(text(form1::Text3),
              "Select the e-mail address from the list below, then Copy & Paste from here.");
    pressKey('D', {VK_CONTROL});  // By Domain does nothing
    settle(50);
    EXPECT_EQ(text(form1::Label7), prefixed(110, "Click browse to begin."));

    pressKey('A', {VK_MENU});
    ASSERT_TRUE(
        waitFor([&] { return form->form2Window() && IsWindowVisible(form->form2Window()); }));
    typeText(L"cut@x");
    pressKey(VK_HOME);
    pressKey(VK_END, {VK_SHIFT});
    pressKey('X', {VK_CONTROL});
    pressKey(VK_F1);
    settle(100);
    EXPECT_EQ(endings, 1) << "Ctrl+X in the add window cuts";
    EXPECT_EQ(textOf(controlOf(form->form2Window(), form2::Text1)), "");
    EXPECT_EQ(form->form3Window(), nullptr) << "F1 belongs to the main window";
}

// The name that a screen reader reads for a control, through MSAA.
std::wstring accessibleName(HWND control) {
    // MinGW's oleacc library carries another interface's id under this name.
    constexpr IID kIAccessible = {
        0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
    IAccessible *object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), kIAccessible,
                                          reinterpret_cast<void **>(&object)))) {
        return L"(no object)";
    }
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    const HRESULT result = object->get_accName(self, &name);
    std::wstring text = SUCCEEDED(result) && name != nullptr ? std::wstring(name) : L"(none)";
    SysFreeString(name);
    object->Release();
    return text;
}

TEST_F(Win32Form1, AScreenReaderNamesEveryControlByTheTextBeforeIt) {
    EXPECT_EQ(accessibleName(control(form1::Text2)), L"Locate NK2 file");
    EXPECT_EQ(accessibleName(control(form1::Text3)), L"Address Clipboard");
    EXPECT_EQ(accessibleName(control(form1::Text1)), L"Export list to CSV file:");
    EXPECT_EQ(accessibleName(control(form1::Command1)), L"Browse");
    // Windows names a list box after the label before it too; Wine names none.
    EXPECT_EQ(GetWindow(control(form1::List1), GW_HWNDPREV), control(form1::Label8));
    pressKey('A', {VK_MENU});
    ASSERT_TRUE(
        waitFor([&] { return form->form2Window() && IsWindowVisible(form->form2Window()); }));
    EXPECT_EQ(accessibleName(controlOf(form->form2Window(), form2::Text1)), L"Add e-mail address");
}

TEST_F(Win32Form1, AddNameAddsTheTypedTextAndTheCloseBoxDestroysTheWindow) {
    pressKey('A', {VK_MENU});
    ASSERT_TRUE(
        waitFor([&] { return form->form2Window() && IsWindowVisible(form->form2Window()); }));
    HWND form2 = form->form2Window();
    moveAside(form2);
    EXPECT_EQ(textOf(form2), "Add e-mail address");
    EXPECT_EQ(GetFocus(), controlOf(form2, form2::Text1));
    typeText(L"  d\u00e9@x  ");
    pressKey(VK_RETURN);  // adds nothing
    settle(50);
    EXPECT_TRUE(rows().empty());
    click(controlOf(form2, form2::Command2));
    ASSERT_TRUE(waitFor([&] { return rows().size() == 1; }));
    EXPECT_EQ(rows(), std::vector<std::string>{"  d\xe9@x  "});
    EXPECT_EQ(text(form1::Label5), "1");
    EXPECT_FALSE(IsWindowVisible(form2));
    EXPECT_FALSE(IsWindowEnabled(form2));

    click(control(form1::add));
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(form2); }));
    EXPECT_EQ(form->form2Window(), form2) << "shown again, not made anew";
    EXPECT_EQ(textOf(controlOf(form2, form2::Text1)), "");
    typeText(L"never@x");
    settle(50);
    SendMessageW(form2, WM_SYSCOMMAND, SC_CLOSE, 0);  // its close box
    settle(50);
    EXPECT_FALSE(IsWindow(form2));
    EXPECT_EQ(form->form2Window(), nullptr);
    click(control(form1::add));
    ASSERT_TRUE(waitFor([&] { return form->form2Window() != nullptr; }));
    EXPECT_EQ(textOf(controlOf(form->form2Window(), form2::Text1)), "");
    EXPECT_EQ(rows().size(), 1u);
}

TEST_F(Win32Form1, F1ShowsTheOneAssistanceWindowAndEnterOnCloseHidesIt) {
    click(control(form1::Text2));
    pressKey(VK_F1);
    ASSERT_TRUE(
        waitFor([&] { return form->form3Window() && IsWindowVisible(form->form3Window()); }));
    HWND form3 = form->form3Window();
    EXPECT_EQ(textOf(form3), "Help and Tips");
    EXPECT_EQ(textOf(controlOf(form3, form3::Label13)), "https://ravelo.example.org/");
    EXPECT_EQ(GetFocus(), controlOf(form3, form3::Command2));
    pressKey(VK_ESCAPE);  // does nothing
    settle(50);
    EXPECT_TRUE(IsWindowVisible(form3));
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitFor([&] { return !IsWindowVisible(form3); }));
    EXPECT_EQ(form->form3Window(), form3);
    SetForegroundWindow(form->hwnd());
    settle(50);
    pressKey(VK_F1);
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(form3); }));
    EXPECT_EQ(form->form3Window(), form3) << "one window, shown again";
}

TEST_F(Win32Form1, AboutShowsTheMakersInAnInformationBox) {
    pressKey('A', {VK_MENU});  // the add window stays open behind the box
    ASSERT_TRUE(
        waitFor([&] { return form->form2Window() && IsWindowVisible(form->form2Window()); }));
    moveAside(form->form2Window());
    SetForegroundWindow(form->hwnd());
    settle(50);
    bool addWindowWaits = false;
    std::string shown;
    bool hasIcon = false, hasNo = true;
    DialogAnswer answer("About Ravelo version .02 beta", [&](HWND box) {
        shown = textOf(GetDlgItem(box, 0xffff));
        addWindowWaits = !IsWindowEnabled(form->form2Window());
        EnumChildWindows(
            box,
            [](HWND child, LPARAM found) CALLBACK -> BOOL {
                if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
                    SendMessageW(child, STM_GETICON, 0, 0) != 0) {
                    *reinterpret_cast<bool *>(found) = true;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&hasIcon));
        hasNo = GetDlgItem(box, IDNO) != nullptr || GetDlgItem(box, IDCANCEL) != nullptr;
        pressKey(VK_RETURN);
    });
    // Help, then its second item, with the keyboard.
    pressKey(VK_MENU);
    pressKey(VK_RIGHT);
    pressKey(VK_RIGHT);
    pressKey(VK_DOWN);
    pressKey(VK_DOWN);
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitFor([&] {
        return answer.answered() && findDialog("About Ravelo version .02 beta") == nullptr;
    }));
    EXPECT_EQ(shown, aboutText());
    EXPECT_TRUE(hasIcon);
    EXPECT_FALSE(hasNo) << "one OK button";
    EXPECT_TRUE(addWindowWaits) << "no command starts while the box is open";
    EXPECT_TRUE(IsWindowEnabled(form->form2Window()));
    EXPECT_EQ(text(form1::Label7), prefixed(110, "Click browse to begin."));
}

TEST_F(Win32Form1, TheCloseBoxEndsTheProgram) {
    pressKey(VK_F1);
    ASSERT_TRUE(waitFor([&] { return form->form3Window() != nullptr; }));
    SendMessageW(form->hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    settle(50);
    EXPECT_EQ(endings, 1);
}

// A pause handles the window's messages as they come and sleeps in between.
TEST_F(Win32Form1, APauseHandlesMessagesAndSleepsWhileItWaits) {
    static int ticks = 0;
    ticks = 0;
    const UINT_PTR timer =
        SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) CALLBACK { ++ticks; });
    auto busySeconds = [] {
        FILETIME created, ended, kernel, user;
        GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
        auto seconds = [](FILETIME time) {
            return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) |
                                       time.dwLowDateTime) /
                   1e7;
        };
        return seconds(kernel) + seconds(user);
    };
    MonotonicClock clock;
    EventPauser pauser(clock, handleMessages);
    const double busyBefore = busySeconds();
    const double start = clock.seconds();
    pauser.Pause(0.5f);
    const double waited = clock.seconds() - start;
    const double busy = busySeconds() - busyBefore;
    KillTimer(nullptr, timer);
    EXPECT_GE(waited, 0.5);
    EXPECT_LT(waited, 1.5);
    EXPECT_GE(ticks, 3) << "messages were handled during the wait";
    EXPECT_LT(busy, 0.25) << "the wait sleeps";
    const double before = clock.seconds();
    pauser.Pause(0.0f);
    EXPECT_LT(clock.seconds() - before, 0.05);
}

TEST_F(Win32Form1, AnExportPathTypedOutsideTheCodePageNamesTheFileTyped) {
    fill({"a@x"});
    const std::filesystem::path typed = dir / L"\u0141\u00f3d\u017a-\u65e5\u672c.csv";
    typeOver(control(form1::Text1), typed.wstring());
    std::wstring prompt;
    DialogAnswer answer("Confirm file export?", [&prompt](HWND box) {
        wchar_t shown[512] = {};
        GetWindowTextW(GetDlgItem(box, 0xffff), shown, 512);
        prompt = shown;
        click(GetDlgItem(box, IDYES));
    });
    click(control(form1::Command2));
    ASSERT_TRUE(waitFor([&] {
        return text(form1::Label7).find("File successfully") != std::string::npos;
    })) << text(form1::Label7);
    EXPECT_EQ(prompt, L"Are you sure you wish to export this file to\r\n" + typed.wstring() + L"?");
    EXPECT_TRUE(std::filesystem::exists(typed));
    EXPECT_FALSE(std::filesystem::exists(dir / L"?\u00f3d?-??.csv"));  // through the code page
    EXPECT_NE(readFile(typed).find("\"a@x\",\"SMTP\",\"(a@x)\""), std::string::npos);
}
