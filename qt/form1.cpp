#include "qt/form1.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QToolButton>
#include <QWidget>
#include <memory>
#include <utility>

#include "forms/control_names.h"
#include "forms/event_pauser.h"
#include "forms/window_layouts.h"
#include "qt/address_list_model.h"
#include "qt/dialogs.h"
#include "qt/event_wait.h"
#include "qt/list_box_view.h"
#include "qt/shortcut_scope.h"
#include "qt/tool_window.h"
#include "qt/window_builder.h"
#include "qt/window_style.h"

namespace ravelo {
namespace {

// A secondary window on Qt. Its owner, the main window, deletes it; its close box deletes it
// sooner.
class MadeToolWindow final : public MadeWindow {
public:
    explicit MadeToolWindow(ToolWindow *window) : window_(window), shown_(window) {}
    bool isOpen() const override { return window_ && !window_->closedByUser(); }
    Window &window() override { return shown_; }
    std::unique_ptr<TextBox> textBox(ControlName name) override {
        return std::make_unique<WidgetTextBox>(control<QLineEdit>(window_.data(), name));
    }

private:
    QPointer<ToolWindow> window_;
    WidgetWindow shown_;
};

}  // namespace

Form1::Form1(Services services)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowCloseButtonHint) {
    const WindowLayout &form = form1Layout();
    auto *client = new QWidget(this);
    client->setFixedSize(twipsSize(form.clientWidth, form.clientHeight));
    setCentralWidget(client);
    buildWindow(this, client, form);
    new ShortcutScope(this, buildMenus(menuBar(), form));
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    auto *listView = control<ListBoxView>(this, form1::List1);
    listView->setModel(new AddressListModel(list_, this));
    listBox_ = std::make_unique<WidgetListBox>(listView);
    status_ = std::make_unique<WidgetLabel>(control<QLabel>(this, form1::Label7));
    count_ = std::make_unique<WidgetLabel>(control<QLabel>(this, form1::Label5));
    exportPath_ = std::make_unique<WidgetTextBox>(control<QLineEdit>(this, form1::Text1));
    cachePath_ = std::make_unique<WidgetTextBox>(control<QLineEdit>(this, form1::Text2));
    clipboard_ = std::make_unique<WidgetTextBox>(control<QLineEdit>(this, form1::Text3));
    browse_ = std::make_unique<WidgetButton>(control<QToolButton>(this, form1::Command1));
    export_ = std::make_unique<WidgetButton>(control<QToolButton>(this, form1::Command2));

    presenter_ =
        std::make_unique<Form1Presenter>(list_,
                                         Form1Controls{*status_, *count_, *exportPath_, *cachePath_,
                                                       *clipboard_, *listBox_, *browse_, *export_},
                                         std::move(services), static_cast<FrontEnd &>(*this));
    connectEvents(this, form);
    connect(listView, &ListBoxView::selectedByUser, this,
            [p = presenter_.get()](int row) { p->select(row); });
}

Form1::~Form1() = default;

// Every button of the window, and every item of its menus, goes to the presenter when clicked.
void Form1::connectEvents(QWidget *window, const WindowLayout &layout) {
    for (const ControlLayout &row : layout.controls) {
        if (auto *button = control<QAbstractButton>(window, row.name)) {
            connect(button, &QAbstractButton::clicked, this,
                    [p = presenter_.get(), &layout, &row] { p->click(layout.name, row.name); });
        }
    }
    for (const MenuLayout &menu : layout.menus) {
        for (const MenuItemLayout &item : menu.items) {
            connect(control<QAction>(window, item.name), &QAction::triggered, this,
                    [p = presenter_.get(), &layout, &item] { p->click(layout.name, item.name); });
        }
    }
}

std::unique_ptr<Pauser> Form1::makePauser(const Clock &clock) {
    return std::make_unique<EventPauser>(clock, handleQtEvents);
}

std::unique_ptr<FileChooser> Form1::makeChooser() {
    return std::make_unique<DialogFileChooser>(this);
}

std::unique_ptr<MessageBoxes> Form1::makeMessages() {
    return std::make_unique<DialogMessageBoxes>(this);
}

std::unique_ptr<MadeWindow> Form1::makeWindow(const WindowLayout &layout) {
    auto *window = new ToolWindow(this, layout);
    connectEvents(window, layout);
    return std::make_unique<MadeToolWindow>(window);
}

void Form1::closeEvent(QCloseEvent *event) {
    event->accept();
    presenter_->close();
}

}  // namespace ravelo
