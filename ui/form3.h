#pragma once

#include "ui/tool_window.h"

namespace ravelo {

// "Help and Tips": what the program is for and how to carry its file into Outlook.
class Form3 final : public ToolWindow {
    Q_OBJECT

public:
    explicit Form3(QWidget *owner);

    void Command2_Click();  // Close
};

}  // namespace ravelo
