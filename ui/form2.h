#pragma once

#include "addresses/address_list.h"
#include "platform/controls.h"
#include "ui/tool_window.h"

class QLineEdit;

namespace ravelo {

// "Add e-mail address": the user types one address and adds it to the list as typed.
class Form2 final : public ToolWindow {
    Q_OBJECT

public:
    Form2(AddressList &list, Label &countLabel, QWidget *owner);

    // Add Name: the window shown with an empty text box that has the focus.
    void showEmpty();

    void Command2_Click();  // Add
    void Command1_Click();  // Cancel

private:
    AddressList &list_;
    Label &countLabel_;
    QLineEdit *text1_;
};

}  // namespace ravelo
