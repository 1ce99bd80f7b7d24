#include "win32/form1.h"

#include "forms/event_pauser.h"
#include "forms/window_layouts.h"
#include "platform/end_program.h"
#include "win32/dialogs_win32.h"
#include "win32/message_loop.h"

#include <string_view>

namespace ravelo {

struct Form1::Form2Parts {
    FormWindow window;
    Win32Window shown{window.hwnd()};
    Win32TextBox text1{window.control(form2::Text1)};
    Form2Controls controls{shown, text1};
};

struct Form1::Form3Parts {
    FormWindow window;
    Win32Window shown{window.hwnd()};
    Form3Controls controls{shown};
};

Form1::Form1(Form1Services services)
    : window_(form1Layout(), nullptr,
              {.control = [this](ControlName name, int code) { control(name, code); },
               .menu = [this](ControlName item) { click(form1::window, item); },
               .close = [this] { commands_->exit_Click(); }}),
      status_(window_, window_.control(form1::Label7)),
      count_(window_, window_.control(form1::Label5)),
      exportPath_(window_.control(form1::Text1)),
      cachePath_(window_.control(form1::Text2)),
      clipboard_(window_.control(form1::Text3)),
      browse_(window_.control(form1::Command1)),
      export_(window_.control(form1::Command2)),
      listBox_(window_.control(form1::List1), list_) {
    if (services.pauser == nullptr) {
        ownPauser_ = std::make_unique<EventPauser>(clock_, handleMessages);
        services.pauser = ownPauser_.get();
    }
    if (services.chooser == nullptr) {
        ownChooser_ = std::make_unique<OpenFileDialog>(hwnd());
        services.chooser = ownChooser_.get();
    }
    if (services.messages == nullptr) {
        ownMessages_ = std::make_unique<Win32MessageBoxes>(hwnd());
        services.messages = ownMessages_.get();
    }
    if (!services.endProgram) {
        services.endProgram = endProgramNow;
    }
    commands_ = std::make_unique<Form1Commands>(
        list_,
        Form1Controls{status_, count_, exportPath_, cachePath_, clipboard_, listBox_, browse_,
                      export_},
        CommandServices{*services.chooser, *services.messages, *services.pauser, *this,
                        services.specialFolder, services.endProgram});
    commands_->Form_Load();
}

Form1::~Form1() = default;

HWND Form1::form2Window() const {
    return form2_ ? form2_->window.hwnd() : nullptr;
}

HWND Form1::form3Window() const {
    return form3_ ? form3_->window.hwnd() : nullptr;
}

void Form1::control(ControlName name, int notification) {
    if (name == form1::List1) {
        if (notification == LBN_SELCHANGE) {
            const auto row = SendMessageW(window_.control(form1::List1), LB_GETCURSEL, 0, 0);
            if (row >= 0) {
                commands_->List1_Click(static_cast<int>(row));
            }
        }
    } else if (notification == BN_CLICKED) {
        click(form1::window, name);
    }
}

void Form1::click(WindowName window, ControlName control) {
    if (const Form1Click command = clickCommand(window, control)) {
        (commands_.get()->*command)();
    }
}

// The events of a secondary window: its buttons' clicks; its close box destroys it.
FormWindow::Events Form1::secondaryEvents(WindowName window) {
    return {.control =
                [this, window](ControlName name, int code) {
                    if (code == BN_CLICKED) {
                        click(window, name);
                    }
                },
            .menu = nullptr,
            .close = nullptr};
}

// A window destroyed by its close box is made anew on its next use.
Form2Controls *Form1::form2() {
    return form2_ && form2_->window.hwnd() != nullptr ? &form2_->controls : nullptr;
}

Form3Controls *Form1::form3() {
    return form3_ && form3_->window.hwnd() != nullptr ? &form3_->controls : nullptr;
}

Form2Controls &Form1::createForm2() {
    form2_.reset(new Form2Parts{FormWindow(form2Layout(), hwnd(), secondaryEvents(form2::window))});
    return form2_->controls;
}

Form3Controls &Form1::createForm3() {
    form3_.reset(new Form3Parts{FormWindow(form3Layout(), hwnd(), secondaryEvents(form3::window))});
    return form3_->controls;
}

}  // namespace ravelo
