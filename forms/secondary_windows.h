#pragma once

#include "addresses/address_list.h"
#include "platform/controls.h"

// The two secondary windows as their commands see them. Each is made on first use and then
// hidden and shown again; its close box destroys it, and the next use makes it anew.
namespace ravelo {

// "Add e-mail address".
struct Form2Controls {
    Window &window;
    TextBox &Text1;
};

// "Help and Tips": it holds nothing that its commands read or write.
struct Form3Controls {
    Window &window;
};

class SecondaryWindows {
public:
    virtual ~SecondaryWindows() = default;
    // The window while it exists, else null.
    virtual Form2Controls *form2() = 0;
    virtual Form3Controls *form3() = 0;
    // Makes the window with its layout, hidden.
    virtual Form2Controls &createForm2() = 0;
    virtual Form3Controls &createForm3() = 0;
};

// Form2's Form_Load, run when the window is made.
void Form2_Load(Form2Controls &form2);
// Add: the typed text, exactly as typed, becomes the list's last entry; a full list takes
// nothing and the status line says so.
void Form2_Add(Form2Controls &form2, AddressList &list, Label &countLabel, Label &status);
// Cancel; also Close of Form3.
void hideDisabled(Window &window);
void showEnabled(Window &window);

}  // namespace ravelo
