#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

#include "addresses/address_list.h"
#include "forms/form1_commands.h"
#include "forms/secondary_windows.h"
#include "forms/window_layout.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/file_chooser.h"
#include "platform/message_box.h"
#include "platform/special_folder.h"
#include "qt/widget_controls.h"

namespace ravelo {

class AddressListModel;
class ToolWindow;

// The main window on Qt, built from its layout; every control event runs the command of the same
// name. It makes the two secondary windows when their commands first need them.
class Form1 final : public QMainWindow, private SecondaryWindows {
    Q_OBJECT

public:
    explicit Form1(Form1Services services = {});
    ~Form1() override;

    AddressList &addressList() { return list_; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void connectControls();
    void connectClicks(QWidget *window, const WindowLayout &layout);
    template <class Parts>
    void forgetWhenClosed(std::unique_ptr<Parts> &parts);
    Form2Controls *form2() override;
    Form3Controls *form3() override;
    Form2Controls &createForm2() override;
    Form3Controls &createForm3() override;

    MonotonicClock clock_;
    std::unique_ptr<Pauser> ownPauser_;
    std::unique_ptr<FileChooser> ownChooser_;
    std::unique_ptr<MessageBoxes> ownMessages_;

    AddressList list_;
    AddressListModel *listModel_ = nullptr;

    std::unique_ptr<WidgetLabel> status_, count_;
    std::unique_ptr<WidgetTextBox> exportPath_, cachePath_, clipboard_;
    std::unique_ptr<WidgetButton> browse_, export_;
    std::unique_ptr<WidgetListBox> listBox_;
    std::unique_ptr<Form1Commands> commands_;

    // A secondary window with the adapters that its commands use; gone with the window.
    struct Form2Parts;
    struct Form3Parts;
    std::unique_ptr<Form2Parts> form2_;
    std::unique_ptr<Form3Parts> form3_;
};

}  // namespace ravelo
