#pragma once

#include <QMainWindow>
#include <memory>

#include "addresses/address_list.h"
#include "forms/form1_presenter.h"
#include "forms/window_layout.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/file_chooser.h"
#include "platform/message_box.h"
#include "platform/services.h"
#include "qt/widget_controls.h"

namespace ravelo {

// The main window on Qt, built from its layout; every control event goes to the presenter, which
// runs the command of the same name. It makes the two secondary windows when their commands
// first need them.
class Form1 final : public QMainWindow, private FrontEnd {
    Q_OBJECT

public:
    explicit Form1(Services services = {});
    ~Form1() override;

    AddressList &addressList() { return list_; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void connectEvents(QWidget *window, const WindowLayout &layout);
    std::unique_ptr<Pauser> makePauser(const Clock &clock) override;
    std::unique_ptr<FileChooser> makeChooser() override;
    std::unique_ptr<MessageBoxes> makeMessages() override;
    std::unique_ptr<MadeWindow> makeWindow(const WindowLayout &layout) override;

    AddressList list_;
    std::unique_ptr<WidgetLabel> status_, count_;
    std::unique_ptr<WidgetTextBox> exportPath_, cachePath_, clipboard_;
    std::unique_ptr<WidgetButton> browse_, export_;
    std::unique_ptr<WidgetListBox> listBox_;
    std::unique_ptr<Form1Presenter> presenter_;
};

}  // namespace ravelo
