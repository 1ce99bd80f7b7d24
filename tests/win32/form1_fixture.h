#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "forms/control_names.h"
#include "support/name_output.h"
#include "win32/form1.h"
#include "win32/form_window.h"
#include "win32/win32_driver.h"

namespace ravelo::testing {

inline std::string readFile(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The real main window with the real dialogs and waits of Windows; only the end of the program
// is played by the test.
struct Win32Form1 : ::testing::Test {
    int endings = 0;
    std::unique_ptr<Form1> form;
    std::filesystem::path dir;

    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("ravelo-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        Services services;
        services.endProgram = [this] { ++endings; };
        form = std::make_unique<Form1>(std::move(services));
        SetWindowPos(form->hwnd(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ShowWindow(form->hwnd(), SW_SHOW);
        SetForegroundWindow(form->hwnd());
        settle(150);
    }
    void TearDown() override {
        form.reset();
        settle(50);
        // The file dialog makes the chosen file's folder the current one, which Windows keeps
        // from being removed.
        SetCurrentDirectoryW(std::filesystem::temp_directory_path().c_str());
        std::filesystem::remove_all(dir);
    }

    static HWND controlOf(HWND window, ControlName name) {
        FormWindow *built = FormWindow::of(window);
        return built != nullptr ? built->control(name) : nullptr;
    }
    HWND control(ControlName name) const { return controlOf(form->hwnd(), name); }
    std::string text(ControlName name) const { return textOf(control(name)); }
    std::vector<std::string> rows() const {
        HWND list = control(form1::List1);
        std::vector<std::string> all;
        const auto count = SendMessageA(list, LB_GETCOUNT, 0, 0);
        for (LRESULT row = 0; row < count; ++row) {
            std::string entry(
                static_cast<std::size_t>(SendMessageA(list, LB_GETTEXTLEN, row, 0)) + 1, '\0');
            entry.resize(static_cast<std::size_t>(
                SendMessageA(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(entry.data()))));
            all.push_back(entry);
        }
        return all;
    }

    // Browse with the mouse; the file dialog is answered by typing the path and Enter.
    void scan(const std::filesystem::path &file) {
        DialogAnswer answer("Choose your NK2 file.", [file](HWND box) {
            HWND name = GetDlgItem(box, 0x47c);  // the file name box
            if (name == nullptr) {
                name = GetDlgItem(box, 0x480);
            }
            SetFocus(name);
            SetWindowTextW(name, L"");
            typeText(file.wstring());
            pressKey(VK_RETURN);
        });
        click(control(form1::Command1));
        ASSERT_TRUE(waitFor([&] {
            return text(form1::Label7).starts_with("Finished reading file, ");
        })) << text(form1::Label7);
        EXPECT_TRUE(answer.answered());
    }
    std::filesystem::path sample() const {
        const std::filesystem::path copy = dir / "Outlook.NK2";
        std::filesystem::copy_file(std::filesystem::path(RAVELO_TEST_DATA) / "sample.NK2", copy,
                                   std::filesystem::copy_options::overwrite_existing);
        return copy;
    }
    void fill(std::initializer_list<const char *> addresses) {
        std::string bytes = "x";
        for (const char *address : addresses) {
            bytes += std::string("SMTP:") + address + '\0' + '\3';
        }
        const std::filesystem::path file = dir / "cache.NK2";
        std::ofstream(file, std::ios::binary) << bytes;
        scan(file);
    }
    // Clicks into a text box, selects its text with the keyboard and types over it.
    static void typeOver(HWND box, std::wstring_view text) {
        click(box);
        settle(50);
        pressKey(VK_HOME);
        pressKey(VK_END, {VK_SHIFT});
        typeText(text);
        settle(50);
    }
    // Keeps a secondary window clear of the main window, where the mouse clicks.
    static void moveAside(HWND window) {
        SetWindowPos(window, nullptr, 700, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        settle(50);
    }
};

inline std::string prefixed(int spaces, const char *tail) {
    return "Ravelo version .06 beta" + std::string(static_cast<std::size_t>(spaces), ' ') + tail;
}

}  // namespace ravelo::testing
