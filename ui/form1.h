#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

#include "addresses/address_list.h"
#include "addresses/list_commands.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/file_chooser.h"
#include "platform/message_box.h"
#include "platform/special_folder.h"
#include "platform/widget_controls.h"

class QLabel;
class QLineEdit;
class QToolButton;

namespace ravelo {

class AddressListModel;
class ListBoxView;
class Form2;
class Form3;

// What the main window asks of the system. Left empty, each is the real one; tests put in their
// own.
struct Form1Services {
    FileChooser *chooser = nullptr;
    MessageBoxes *messages = nullptr;
    Pauser *pauser = nullptr;
    SpecialFolderRequest specialFolder = requestSpecialFolder;
    std::function<void()> endProgram;
};

// The main window: the status line, the cache path, the address list with its buttons, the
// export path and the menus. Every control event runs one command.
class Form1 final : public QMainWindow {
    Q_OBJECT

public:
    explicit Form1(Form1Services services = {});
    ~Form1() override;

    // Waits while window events go on being handled.
    void Pause(float seconds);
    AddressList &addressList() { return list_; }

    void Command1_Click();  // Browse
    void Open_Click();
    void List1_Click();  // Select
    void delete_Click();
    void Command3_Click();  // Clear List
    void Clear_Click();
    void add_Click();       // Add Name
    void Command2_Click();  // Export
    void exit_Click();
    void Assistance_Click();
    void About_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void createControls(QWidget *client);
    void createMenus();
    void followUserSelection(int row);
    ListControls listControls();
    template <class Window>
    void forgetWhenClosed(QPointer<Window> &window);

    Form1Services services_;
    MonotonicClock clock_;
    std::unique_ptr<Pauser> ownPauser_;
    std::unique_ptr<FileChooser> ownChooser_;
    std::unique_ptr<MessageBoxes> ownMessages_;

    AddressList list_;
    AddressListModel *listModel_ = nullptr;

    QLabel *statusLine_ = nullptr;         // Label7
    QLabel *countLabel_ = nullptr;         // Label5
    QLineEdit *cachePathBox_ = nullptr;    // Text2
    QLineEdit *clipboardBox_ = nullptr;    // Text3
    QLineEdit *exportPathBox_ = nullptr;   // Text1
    ListBoxView *listView_ = nullptr;      // List1
    QToolButton *browseButton_ = nullptr;  // Command1
    QToolButton *exportButton_ = nullptr;  // Command2

    std::unique_ptr<WidgetLabel> status_, count_;
    std::unique_ptr<WidgetTextBox> cachePath_, clipboard_, exportPath_;
    std::unique_ptr<WidgetButton> browse_, export_;
    std::unique_ptr<WidgetListBox> listBox_;

    QPointer<Form2> form2_;
    QPointer<Form3> form3_;
};

}  // namespace ravelo
