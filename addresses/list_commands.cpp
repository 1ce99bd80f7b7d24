#include "addresses/list_commands.h"

#include <string>

namespace ravelo {

void ShowCount(const AddressList &list, Label &countLabel) {
    countLabel.setCaption(std::to_string(list.Count()));
}

void SelectCommand(ListControls &controls) {
    const AddressList &list = controls.list;
    controls.clipboard.setText(list.SelectedText());
    const std::string count = std::to_string(list.Count());
    controls.status.setCaption(
        "Finished reading file, " + count + " e-mail addresses found." + std::string(60, ' ') +
        "Now Selected: " + std::to_string(list.SelectedIndex() + 1) + " of " + count);
}

void RemoveName(ListControls &controls) {
    if (controls.list.SelectedIndex() > -1) {
        controls.list.RemoveAt(controls.list.SelectedIndex());
    }
    controls.listBox.setFocus();
}

void ClearList(ListControls &controls) {
    controls.list.RemoveAll();
    controls.countLabel.setCaption("0");
    controls.listBox.redraw();
    controls.status.setCaption("All addresses cleared." + std::string(113, ' ') +
                               "Click browse to begin.");
}

}  // namespace ravelo
