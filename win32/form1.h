#pragma once

#include <windows.h>

#include <memory>

#include "addresses/address_list.h"
#include "forms/control_names.h"
#include "forms/form1_presenter.h"
#include "forms/window_layout.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/file_chooser.h"
#include "platform/message_box.h"
#include "platform/services.h"
#include "win32/controls_win32.h"
#include "win32/form_window.h"

namespace ravelo {

class MadeFormWindow;

// The main window on Win32, built from its layout; every control event goes to the presenter,
// which runs the command of the same name. It makes the two secondary windows when their
// commands first need them.
class Form1 final : private FrontEnd {
public:
    explicit Form1(Services services = {});
    ~Form1() override;

    HWND hwnd() const { return window_.hwnd(); }
    AddressList &addressList() { return list_; }
    // The secondary windows while they exist, else null.
    HWND form2Window() const;
    HWND form3Window() const;

private:
    FormWindow::Events events(WindowName window);
    void control(ControlName name, int notification);
    std::unique_ptr<Pauser> makePauser(const Clock &clock) override;
    std::unique_ptr<FileChooser> makeChooser() override;
    std::unique_ptr<MessageBoxes> makeMessages() override;
    std::unique_ptr<MadeWindow> makeWindow(const WindowLayout &layout) override;

    AddressList list_;
    FormWindow window_;
    Win32Label status_, count_;
    Win32TextBox exportPath_, cachePath_, clipboard_;
    Win32Button browse_, export_;
    Win32ListBox listBox_;
    std::unique_ptr<Form1Presenter> presenter_;
    // The newest of each secondary window; the presenter owns them.
    MadeFormWindow *form2_ = nullptr;
    MadeFormWindow *form3_ = nullptr;
};

}  // namespace ravelo
