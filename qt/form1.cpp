#include "qt/form1.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

#include "forms/event_pauser.h"
#include "forms/window_layouts.h"
#include "platform/end_program.h"
#include "qt/address_list_model.h"
#include "qt/dialogs.h"
#include "qt/event_loop_pauser.h"
#include "qt/list_box_view.h"
#include "qt/shortcut_scope.h"
#include "qt/tool_window.h"
#include "qt/window_builder.h"
#include "qt/window_style.h"

namespace ravelo {

struct Form1::Form2Parts {
    ToolWindow *window;
    WidgetWindow shown{window};
    WidgetTextBox text1{control<QLineEdit>(window, form2::Text1)};
    Form2Controls controls{shown, text1};
};

struct Form1::Form3Parts {
    ToolWindow *window;
    WidgetWindow shown{window};
    Form3Controls controls{shown};
};

Form1::Form1(Form1Services services)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowCloseButtonHint) {
    if (services.pauser == nullptr) {
        ownPauser_ = std::make_unique<EventPauser>(clock_, handleQtEvents);
        services.pauser = ownPauser_.get();
    }
    if (services.chooser == nullptr) {
        ownChooser_ = std::make_unique<DialogFileChooser>(this);
        services.chooser = ownChooser_.get();
    }
    if (services.messages == nullptr) {
        ownMessages_ = std::make_unique<DialogMessageBoxes>(this);
        services.messages = ownMessages_.get();
    }
    if (!services.endProgram) {
        services.endProgram = endProgramNow;
    }

    const WindowLayout &form = form1Layout();
    auto *client = new QWidget(this);
    client->setFixedSize(twipsSize(form.clientWidth, form.clientHeight));
    setCentralWidget(client);
    buildWindow(this, client, form);
    new ShortcutScope(this, buildMenus(menuBar(), form));
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    auto *listView = control<ListBoxView>(this, form1::List1);
    listModel_ = new AddressListModel(list_, this);
    listView->setModel(listModel_);
    listBox_ = std::make_unique<WidgetListBox>(listView);
    status_ = std::make_unique<WidgetLabel>(control<QLabel>(this, form1::Label7));
    count_ = std::make_unique<WidgetLabel>(control<QLabel>(this, form1::Label5));
    exportPath_ = std::make_unique<WidgetTextBox>(control<QLineEdit>(this, form1::Text1));
    cachePath_ = std::make_unique<WidgetTextBox>(control<QLineEdit>(this, form1::Text2));
    clipboard_ = std::make_unique<WidgetTextBox>(control<QLineEdit>(this, form1::Text3));
    browse_ = std::make_unique<WidgetButton>(control<QToolButton>(this, form1::Command1));
    export_ = std::make_unique<WidgetButton>(control<QToolButton>(this, form1::Command2));

    commands_ = std::make_unique<Form1Commands>(
        list_,
        Form1Controls{*status_, *count_, *exportPath_, *cachePath_, *clipboard_, *listBox_,
                      *browse_, *export_},
        CommandServices{*services.chooser, *services.messages, *services.pauser, *this,
                        services.specialFolder, services.endProgram});
    connectControls();
    commands_->Form_Load();
}

Form1::~Form1() = default;

void Form1::connectControls() {
    connectClicks(this, form1Layout());
    for (const MenuLayout &menu : form1Layout().menus) {
        for (const MenuItemLayout &item : menu.items) {
            if (const Form1Click command = clickCommand(form1::window, item.name)) {
                connect(control<QAction>(this, item.name), &QAction::triggered, this,
                        [c = commands_.get(), command] { (c->*command)(); });
            }
        }
    }
    connect(control<ListBoxView>(this, form1::List1), &ListBoxView::selectedByUser, this,
            [c = commands_.get()](int row) { c->List1_Click(row); });
}

Form2Controls *Form1::form2() {
    return form2_ ? &form2_->controls : nullptr;
}

Form3Controls *Form1::form3() {
    return form3_ ? &form3_->controls : nullptr;
}

// A window closed with its close box is made anew on its next use, even before it is gone.
template <class Parts>
void Form1::forgetWhenClosed(std::unique_ptr<Parts> &parts) {
    ToolWindow *window = parts->window;
    connect(window, &ToolWindow::closedByUser, this, [&parts, window] {
        if (parts && parts->window == window) {
            parts.reset();
        }
    });
}

// Every button of the window runs its command when clicked.
void Form1::connectClicks(QWidget *window, const WindowLayout &layout) {
    for (const ControlLayout &row : layout.controls) {
        if (const Form1Click command = clickCommand(layout.name, row.name)) {
            connect(control<QAbstractButton>(window, row.name), &QAbstractButton::clicked, this,
                    [c = commands_.get(), command] { (c->*command)(); });
        }
    }
}

Form2Controls &Form1::createForm2() {
    form2_.reset(new Form2Parts{new ToolWindow(this, form2Layout())});
    connectClicks(form2_->window, form2Layout());
    forgetWhenClosed(form2_);
    return form2_->controls;
}

Form3Controls &Form1::createForm3() {
    form3_.reset(new Form3Parts{new ToolWindow(this, form3Layout())});
    connectClicks(form3_->window, form3Layout());
    forgetWhenClosed(form3_);
    return form3_->controls;
}

void Form1::closeEvent(QCloseEvent *event) {
    event->accept();
    commands_->exit_Click();
}

}  // namespace ravelo
