#include "forms/form1_presenter.h"

#include <memory>
#include <optional>
#include <utility>

#include "forms/window_layouts.h"
#include "platform/end_program.h"

namespace ravelo {

// A made secondary window with the controls that its commands use.
struct Form1Presenter::Made {
    std::unique_ptr<MadeWindow> window;
    std::unique_ptr<TextBox> text1;
    std::optional<Form2Controls> form2;
    std::optional<Form3Controls> form3;
};

Form1Presenter::Form1Presenter(AddressList &list, Form1Controls controls, Form1Services services,
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
    if (!services.endProgram) {
        services.endProgram = endProgramNow;
    }
    commands_ = std::make_unique<Form1Commands>(
        list, controls,
        CommandServices{*services.chooser, *services.messages, *services.pauser, *this,
                        std::move(services.specialFolder), std::move(services.endProgram)});
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
    return form2_ && form2_->window->isOpen() ? &*form2_->form2 : nullptr;
}

Form3Controls *Form1Presenter::form3() {
    return form3_ && form3_->window->isOpen() ? &*form3_->form3 : nullptr;
}

Form2Controls &Form1Presenter::createForm2() {
    form2_.reset();
    form2_ = std::make_unique<Made>();
    form2_->window = frontEnd_.makeWindow(form2Layout());
    form2_->text1 = form2_->window->textBox(form2::Text1);
    form2_->form2.emplace(Form2Controls{form2_->window->window(), *form2_->text1});
    return *form2_->form2;
}

Form3Controls &Form1Presenter::createForm3() {
    form3_.reset();
    form3_ = std::make_unique<Made>();
    form3_->window = frontEnd_.makeWindow(form3Layout());
    form3_->form3.emplace(Form3Controls{form3_->window->window()});
    return *form3_->form3;
}

}  // namespace ravelo
