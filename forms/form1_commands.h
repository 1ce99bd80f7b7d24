#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "addresses/address_list.h"
#include "files/file_identity.h"
#include "forms/control_names.h"
#include "forms/secondary_windows.h"
#include "platform/controls.h"
#include "platform/services.h"

namespace ravelo {

// The main window's controls that its commands read and write, by their names.
struct Form1Controls {
    Label &Label7;   // the status line
    Label &Label5;   // the count
    TextBox &Text1;  // export path
    TextBox &Text2;  // cache path
    TextBox &Text3;  // address clipboard
    ListBox &List1;
    Button &Command1;  // Browse
    Button &Command2;  // Export
};

// Every command of the main window and of its two secondary windows, one function per event.
// A front end builds the windows and turns each event into the call of the same name.
class Form1Commands {
public:
    // Every service in `services` is given.
    Form1Commands(AddressList &list, Form1Controls controls, Services services,
                  SecondaryWindows &windows);

    void Form_Load();
    void Command1_Click();  // Browse
    void Open_Click();
    // The user selected the entry at `row` with the mouse or the keyboard.
    void List1_Click(int row);
    void delete_Click();    // Remove Name
    void Command3_Click();  // Clear List
    void Clear_Click();
    void add_Click();       // Add Name
    void Command2_Click();  // Export
    void exit_Click();
    void Assistance_Click();
    void About_Click();

    void Form2_Command2_Click();  // Add
    void Form2_Command1_Click();  // Cancel
    void Form3_Command2_Click();  // Close

private:
    AddressList &list_;
    Form1Controls c_;
    Services services_;
    SecondaryWindows &windows_;
    std::vector<FileIdentity> cacheFilesRead_;  // what Export never writes into
    unsigned exportReports_ = 0;
};

// The About box's text.
std::string aboutText();

// The command that a click on a window's button, or on a menu item of the main window, runs; null
// for a control without one (the labels, the text boxes, By Domain).
using Form1Click = void (Form1Commands::*)();
Form1Click clickCommand(WindowName window, ControlName control);

}  // namespace ravelo
