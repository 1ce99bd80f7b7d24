#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "addresses/address_list.h"
#include "forms/form1_commands.h"
#include "forms/secondary_windows.h"
#include "platform/clock.h"
#include "platform/special_folder.h"
#include "win32/controls_win32.h"
#include "win32/form_window.h"

namespace ravelo {

// The main window on Win32, built from its layout; every control event runs the command of the
// same name. It makes the two secondary windows when their commands first need them.
class Form1 final : private SecondaryWindows {
public:
    explicit Form1(Form1Services services = {});
    ~Form1() override;

    HWND hwnd() const { return window_.hwnd(); }
    AddressList &addressList() { return list_; }
    // The secondary windows while they exist, else null.
    HWND form2Window() const;
    HWND form3Window() const;

private:
    struct Form2Parts;
    struct Form3Parts;

    void control(ControlName name, int notification);
    void click(WindowName window, ControlName control);  // a button or a menu item
    FormWindow::Events secondaryEvents(WindowName window);
    Form2Controls *form2() override;
    Form3Controls *form3() override;
    Form2Controls &createForm2() override;
    Form3Controls &createForm3() override;

    MonotonicClock clock_;
    std::unique_ptr<Pauser> ownPauser_;
    std::unique_ptr<FileChooser> ownChooser_;
    std::unique_ptr<MessageBoxes> ownMessages_;
    AddressList list_;
    FormWindow window_;

    Win32Label status_, count_;
    Win32TextBox exportPath_, cachePath_, clipboard_;
    Win32Button browse_, export_;
    Win32ListBox listBox_;
    std::unique_ptr<Form1Commands> commands_;

    std::unique_ptr<Form2Parts> form2_;
    std::unique_ptr<Form3Parts> form3_;
};

}  // namespace ravelo
