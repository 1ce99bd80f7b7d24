#include "win32/form1.h"

#include <memory>
#include <utility>

#include "forms/event_pauser.h"
#include "forms/window_layouts.h"
#include "win32/dialogs_win32.h"
#include "win32/message_loop.h"

namespace ravelo {

// A secondary window on Win32. Its close box destroys it; the object lives on, empty, until the
// presenter makes the window anew.
class MadeFormWindow final : public MadeWindow {
public:
    MadeFormWindow(const WindowLayout &layout, HWND owner, FormWindow::Events events)
        : window_(layout, owner, std::move(events)) {}
    HWND hwnd() const { return window_.hwnd(); }
    bool isOpen() const override { return window_.hwnd() != nullptr; }
    Window &window() override { return shown_; }
    std::unique_ptr<TextBox> textBox(ControlName name) override {
        return std::make_unique<Win32TextBox>(window_.control(name));
    }

private:
    FormWindow window_;
    Win32Window shown_{window_.hwnd()};
};

Form1::Form1(Services services)
    : window_(form1Layout(), nullptr, events(form1::window)),
      status_(window_, window_.control(form1::Label7)),
      count_(window_, window_.control(form1::Label5)),
      exportPath_(window_.control(form1::Text1)),
      cachePath_(window_.control(form1::Text2)),
      clipboard_(window_.control(form1::Text3)),
      browse_(window_.control(form1::Command1)),
      export_(window_.control(form1::Command2)),
      listBox_(window_.control(form1::List1), list_) {
    presenter_ =
        std::make_unique<Form1Presenter>(list_,
                                         Form1Controls{status_, count_, exportPath_, cachePath_,
                                                       clipboard_, listBox_, browse_, export_},
                                         std::move(services), static_cast<FrontEnd &>(*this));
}

Form1::~Form1() = default;

HWND Form1::form2Window() const {
    return form2_ != nullptr ? form2_->hwnd() : nullptr;
}

HWND Form1::form3Window() const {
    return form3_ != nullptr ? form3_->hwnd() : nullptr;
}

// A window's events: the clicks on its buttons and menu items; the main window's list and close
// box too. A secondary window's close box destroys it.
FormWindow::Events Form1::events(WindowName window) {
    if (window != form1::window) {
        return {.control =
                    [this, window](ControlName name, int code) {
                        if (code == BN_CLICKED) {
                            presenter_->click(window, name);
                        }
                    },
                .menu = nullptr,
                .close = nullptr};
    }
    return {.control = [this](ControlName name, int code) { control(name, code); },
            .menu = [this](ControlName item) { presenter_->click(form1::window, item); },
            .close = [this] { presenter_->close(); }};
}

void Form1::control(ControlName name, int notification) {
    if (name == form1::List1) {
        if (notification == LBN_SELCHANGE) {
            const auto row = SendMessageW(window_.control(form1::List1), LB_GETCURSEL, 0, 0);
            if (row >= 0) {
                presenter_->select(static_cast<int>(row));
            }
        }
    } else if (notification == BN_CLICKED) {
        presenter_->click(form1::window, name);
    }
}

std::unique_ptr<Pauser> Form1::makePauser(const Clock &clock) {
    return std::make_unique<EventPauser>(clock, handleMessages);
}

std::unique_ptr<FileChooser> Form1::makeChooser() {
    return std::make_unique<OpenFileDialog>(hwnd());
}

std::unique_ptr<MessageBoxes> Form1::makeMessages() {
    return std::make_unique<Win32MessageBoxes>(hwnd());
}

std::unique_ptr<MadeWindow> Form1::makeWindow(const WindowLayout &layout) {
    auto made = std::make_unique<MadeFormWindow>(layout, hwnd(), events(layout.name));
    (layout.name == form2::window ? form2_ : form3_) = made.get();
    return made;
}

}  // namespace ravelo
