#pragma once

#include <memory>

#include "addresses/address_list.h"
#include "forms/control_names.h"
#include "forms/form1_commands.h"
#include "forms/secondary_windows.h"
#include "forms/window_layout.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/file_chooser.h"
#include "platform/message_box.h"
#include "platform/services.h"

// The main window's presenter: everything that the main window of either front end does alike.
// A front end builds the windows from their layouts, hands over the adapters of the controls,
// and passes each event on; the presenter runs the command of the event tables.
namespace ravelo {

// A secondary window as a front end has made it.
class MadeWindow {
public:
    virtual ~MadeWindow() = default;
    // False once its close box has closed it: the next use makes it anew.
    virtual bool isOpen() const = 0;
    virtual Window &window() = 0;
    // An adapter of one of its text boxes, which the window outlives.
    virtual std::unique_ptr<TextBox> textBox(ControlName name) = 0;
};

// What only a front end can make: the system's own services, and the secondary windows.
class FrontEnd {
public:
    virtual ~FrontEnd() = default;
    virtual std::unique_ptr<Pauser> makePauser(const Clock &clock) = 0;
    virtual std::unique_ptr<FileChooser> makeChooser() = 0;
    virtual std::unique_ptr<MessageBoxes> makeMessages() = 0;
    // The window of `layout`, hidden, owned by the main window; the clicks on its buttons come
    // back to the presenter's click().
    virtual std::unique_ptr<MadeWindow> makeWindow(const WindowLayout &layout) = 0;
};

class Form1Presenter final : private SecondaryWindows {
public:
    // Fills in the front end's own services where `services` leaves them empty and loads the
    // main window.
    Form1Presenter(AddressList &list, Form1Controls controls, Services services,
                   FrontEnd &frontEnd);
    ~Form1Presenter() override;
    Form1Presenter(const Form1Presenter &) = delete;
    Form1Presenter &operator=(const Form1Presenter &) = delete;

    // A click on a button of one of the windows, or on a menu item of the main window; nothing
    // for a control without a command.
    void click(WindowName window, ControlName control);
    // The user selected the list entry at `row`.
    void select(int row);
    // The main window's close box.
    void close();

private:
    struct MadeForm2;
    struct MadeForm3;

    Form2Controls *form2() override;
    Form3Controls *form3() override;
    Form2Controls &createForm2() override;
    Form3Controls &createForm3() override;

    FrontEnd &frontEnd_;
    MonotonicClock clock_;
    std::unique_ptr<Pauser> ownPauser_;
    std::unique_ptr<FileChooser> ownChooser_;
    std::unique_ptr<MessageBoxes> ownMessages_;
    std::unique_ptr<Form1Commands> commands_;
    std::unique_ptr<MadeForm2> form2_;
    std::unique_ptr<MadeForm3> form3_;
};

}  // namespace ravelo
