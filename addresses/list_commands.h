#pragma once

#include "addresses/address_list.h"
#include "platform/controls.h"

namespace ravelo {

// The main window's controls that the list commands read and write.
struct ListControls {
    AddressList &list;
    ListBox &listBox;    // List1
    Label &status;       // Label7
    Label &countLabel;   // Label5
    TextBox &clipboard;  // Text3
};

// Sets the count label to the number of entries.
void ShowCount(const AddressList &list, Label &countLabel);

// The user selected an entry: copy it to the clipboard box and say which one it is.
void SelectCommand(ListControls &controls);
// Removes the selected entry, if any, and gives the list the focus. The count label is left as
// it was until the next count.
void RemoveName(ListControls &controls);
void ClearList(ListControls &controls);

}  // namespace ravelo
