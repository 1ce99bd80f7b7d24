#include "forms/form1_presenter.h"

#include <memory>
#include <utility>

#include "forms/window_layouts.h"

namespace ravelo {

// The made secondary windows with the controls that their commands use.
struct Form1Presenter::MadeForm2 {
    std::unique_ptr<MadeWindow> made;
    std::unique_ptr<TextBox> text1 = made->textBox(form2::Text1);
    Form2Controls controls{made->window(), *text1};
};

struct Form1Presenter::MadeForm3 {
    std::unique_ptr<MadeWindow> made;
    Form3Controls controls{made->window()};
};

Form1Presenter::Form1Presenter(AddressList &list, Form1Controls controls, Services services,
                               FrontEnd &frontEnd)
    : frontEnd_(frontEnd) {
    if (services.pauser == nullptr) {
        ownPauser_ = frontEnd.makePauser(clock_);
        services.pauser = ownPauser_.get();
    }
    if (services.chooser == nullptr) {
        ownChooser_ = frontEnd.makeChooser();
        services.chooser = ownChooser_.get();
    }
    if (services.messages == nullptr) {
        ownMessages_ = frontEnd.makeMessages();
        services.messages = ownMessages_.get();
    }
    SecondaryWindows &windows = *this;
    commands_ = std::make_unique<Form1Commands>(list, controls, std::move(services), windows);
    commands_->Form_Load();
}

Form1Presenter::~Form1Presenter() = default;

void Form1Presenter::click(WindowName window, ControlName control) {
    if (const Form1Click command = clickCommand(window, control)) {
        (commands_.get()->*command)();
    }
}

void Form1Presenter::select(int row) {
    commands_->List1_Click(row);
}

void Form1Presenter::close() {
    commands_->exit_Click();
}

Form2Controls *Form1Presenter::form2() {
    return form2_ && form2_->made->isOpen() ? &form2_->controls : nullptr;
}

Form3Controls *Form1Presenter::form3() {
    return form3_ && form3_->made->isOpen() ? &form3_->controls : nullptr;
}

Form2Controls &Form1Presenter::createForm2() {
    form2_.reset(new MadeForm2{frontEnd_.makeWindow(form2Layout())});
    return form2_->controls;
}

Form3Controls &Form1Presenter::createForm3() {
    form3_.reset(new MadeForm3{frontEnd_.makeWindow(form3Layout())});
    return form3_->controls;
}

}  // namespace ravelo
