#include "forms/secondary_windows.h"

#include <string>

#include "addresses/list_commands.h"
#include "texts/status_text.h"

namespace ravelo {

void Form2_Load(Form2Controls &form2) {
    form2.Text1.redraw();
}

void Form2_Add(Form2Controls &form2, AddressList &list, Label &countLabel, Label &status) {
    if (!list.Append(form2.Text1.text())) {
        status.setCaption(std::string(kListFullText));
    }
    ShowCount(list, countLabel);
    hideDisabled(form2.window);
}

void hideDisabled(Window &window) {
    window.setEnabled(false);
    window.setVisible(false);
}

void showEnabled(Window &window) {
    window.setEnabled(true);
    window.setVisible(true);
}

}  // namespace ravelo
