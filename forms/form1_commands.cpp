#include "forms/form1_commands.h"

#include "addresses/list_commands.h"
#include "export/export_command.h"
#include "scan/browse_command.h"
#include "scan/cache_location.h"
#include "texts/product.h"

#include <utility>

namespace ravelo {

Form1Commands::Form1Commands(AddressList &list, Form1Controls controls, Services services,
                             SecondaryWindows &windows)
    : list_(list), c_(controls), services_(std::move(services)), windows_(windows) {}

void Form1Commands::Form_Load() {
    c_.Text2.setText(cachePathBoxText(services_.specialFolder));
}

void Form1Commands::Command1_Click() {
    BrowseControls controls{c_.Command1, c_.Command2, c_.Label7,      c_.Label5,
                            c_.Text2,    list_,       cacheFilesRead_};
    Browse(controls, services_);
}

void Form1Commands::Open_Click() {
    Command1_Click();
}

void Form1Commands::List1_Click(int row) {
    list_.Select(row);
    ListControls controls{list_, c_.List1, c_.Label7, c_.Label5, c_.Text3};
    SelectCommand(controls);
}

void Form1Commands::delete_Click() {
    ListControls controls{list_, c_.List1, c_.Label7, c_.Label5, c_.Text3};
    RemoveName(controls);
}

void Form1Commands::Command3_Click() {
    ListControls controls{list_, c_.List1, c_.Label7, c_.Label5, c_.Text3};
    ClearList(controls);
}

void Form1Commands::Clear_Click() {
    Command3_Click();
}

void Form1Commands::add_Click() {
    Form2Controls *form2 = windows_.form2();
    if (form2 == nullptr) {
        form2 = &windows_.createForm2();
        Form2_Load(*form2);
    }
    form2->Text1.setText("");
    showEnabled(form2->window);
    form2->Text1.setFocus();
}

void Form1Commands::Form2_Command2_Click() {
    if (Form2Controls *form2 = windows_.form2()) {
        Form2_Add(*form2, list_, c_.Label5, c_.Label7);
    }
}

void Form1Commands::Form2_Command1_Click() {
    if (Form2Controls *form2 = windows_.form2()) {
        hideDisabled(form2->window);
    }
}

void Form1Commands::Command2_Click() {
    ExportControls controls{list_, c_.Label7, c_.Text1, c_.Text2, cacheFilesRead_, exportReports_};
    Export(controls, services_);
}

void Form1Commands::exit_Click() {
    services_.endProgram();
}

void Form1Commands::Assistance_Click() {
    Form3Controls *form3 = windows_.form3();
    if (form3 == nullptr) {
        form3 = &windows_.createForm3();
    }
    showEnabled(form3->window);
}

void Form1Commands::Form3_Command2_Click() {
    if (Form3Controls *form3 = windows_.form3()) {
        hideDisabled(form3->window);
    }
}

std::string aboutText() {
    return "View Outlook Autocompletion cache file using Ravelo." + std::string(kMakersNotice);
}

void Form1Commands::About_Click() {
    services_.messages->show(aboutText(), "About Ravelo version .02 beta", kOkInformation);
}

}  // namespace ravelo

namespace ravelo {

Form1Click clickCommand(WindowName window, ControlName control) {
    struct Click {
        WindowName window;
        ControlName control;
        Form1Click command;
    };
    static constexpr Click kClicks[] = {
        {form1::window, form1::Command1, &Form1Commands::Command1_Click},
        {form1::window, form1::add, &Form1Commands::add_Click},
        {form1::window, form1::delete_, &Form1Commands::delete_Click},
        {form1::window, form1::Command3, &Form1Commands::Command3_Click},
        {form1::window, form1::Command2, &Form1Commands::Command2_Click},
        {form1::window, form1::Open, &Form1Commands::Open_Click},
        {form1::window, form1::Clear, &Form1Commands::Clear_Click},
        {form1::window, form1::exit, &Form1Commands::exit_Click},
        {form1::window, form1::Assistance, &Form1Commands::Assistance_Click},
        {form1::window, form1::About, &Form1Commands::About_Click},
        {form2::window, form2::Command2, &Form1Commands::Form2_Command2_Click},
        {form2::window, form2::Command1, &Form1Commands::Form2_Command1_Click},
        {form3::window, form3::Command2, &Form1Commands::Form3_Command2_Click},
    };
    for (const Click &click : kClicks) {
        if (click.window == window && click.control == control) {
            return click.command;
        }
    }
    return nullptr;
}

}  // namespace ravelo
