#include "ui/form1.h"

#include <QAction>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QToolButton>

#include "export/export_command.h"
#include "platform/dialogs.h"
#include "platform/end_program.h"
#include "platform/event_loop_pauser.h"
#include "platform/product.h"
#include "platform/text_codec.h"
#include "scan/browse_command.h"
#include "scan/cache_location.h"
#include "ui/address_list_model.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/list_box_view.h"
#include "ui/shortcut_scope.h"
#include "ui/window_layout.h"

namespace ravelo {
namespace {

constexpr Rgb kHeading{0, 0, 64};
constexpr Rgb kWhite{255, 255, 255};

QLabel *addLabel(QWidget *client, const char *name, const char *caption, QRect place,
                 const QFont &font) {
    QLabel *label = ravelo::addLabel(client, name, QString::fromLatin1(caption), place);
    label->setFont(font);
    return label;
}

// The window's headings: dark blue Arial Black on a background of their own.
QLabel *addHeading(QWidget *client, const char *name, const char *caption, QRect place,
                   qreal points, Rgb background) {
    QLabel *label =
        addLabel(client, name, caption, place, windowFont(QStringLiteral("Arial Black"), points));
    setTextColor(label, kHeading);
    paintBackground(label, background);
    return label;
}

// A text box, named for assistive technology by the heading that a sighted user reads beside it.
QLineEdit *addTextBox(QWidget *client, const char *name, const QString &text, QRect place,
                      const char *heading) {
    auto *edit = new QLineEdit(client);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(kNoLengthLimit);
    edit->setText(text);
    edit->setGeometry(place);
    edit->setAccessibleName(QString::fromLatin1(heading));
    return edit;
}

QToolButton *addPictureButton(QWidget *client, const char *name, const char *caption,
                              const char *icon, QRect place) {
    auto *button = new QToolButton(client);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(QString::fromLatin1(caption));
    button->setIcon(QIcon(QString::fromLatin1(icon)));
    button->setIconSize(place.height() > 60 ? QSize(32, 32) : QSize(24, 24));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setGeometry(place);
    button->setFont(windowFont(QStringLiteral("Arial"), 8.25, true));
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button,
                     QColor(kWindowFace.red, kWindowFace.green, kWindowFace.blue));
    button->setPalette(palette);
    return button;
}

QAction *addMenuItem(QMenu *menu, const char *name, const char *caption,
                     const QKeySequence &shortcut = {}) {
    QAction *action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

QMenu *addMenu(QMenuBar *bar, const char *name) {
    QMenu *menu = bar->addMenu(QString::fromLatin1(name));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

}  // namespace

Form1::Form1(Form1Services services)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowCloseButtonHint),
      services_(std::move(services)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Ravelo"));
    setWindowIcon(QIcon(QStringLiteral(":/images/ravelo.ico")));
    setFont(defaultWindowFont());
    if (services_.pauser == nullptr) {
        ownPauser_ = std::make_unique<EventLoopPauser>(clock_);
        services_.pauser = ownPauser_.get();
    }
    if (services_.chooser == nullptr) {
        ownChooser_ = std::make_unique<DialogFileChooser>(this);
        services_.chooser = ownChooser_.get();
    }
    if (services_.messages == nullptr) {
        ownMessages_ = std::make_unique<DialogMessageBoxes>(this);
        services_.messages = ownMessages_.get();
    }
    if (!services_.endProgram) {
        services_.endProgram = endProgramNow;
    }

    auto *client = new QWidget(this);
    client->setFixedSize(611, 511);
    setCentralWidget(client);
    createControls(client);
    createMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Form_Load();
    browseButton_->setFocus();
}

Form1::~Form1() = default;

void Form1::createControls(QWidget *client) {
    // The background picture at its natural size from the top left corner; larger than the
    // client area, so it never repeats. Painted by the client area itself, it is no control.
    QPalette background = client->palette();
    background.setBrush(QPalette::Window, QPixmap(QStringLiteral(":/images/background.jpg")));
    client->setPalette(background);
    client->setAutoFillBackground(true);

    const QColor face = palette().color(QPalette::Button);
    const Rgb systemFace{static_cast<std::uint8_t>(face.red()),
                         static_cast<std::uint8_t>(face.green()),
                         static_cast<std::uint8_t>(face.blue())};

    statusLine_ = addLabel(client, "Label7", "", twips(-30, 0, 9690, 300),
                           windowFont(QStringLiteral("Arial Rounded MT Bold"), 9));
    statusLine_->setIndent(2);  // the label starts 2 pixels left of the window's edge
    status_ = std::make_unique<WidgetLabel>(statusLine_);
    status_->setCaption(startUpText());
    status_->setBackColor(kStatusBlue);
    setTextColor(statusLine_, Rgb{192, 192, 255});

    addHeading(client, "Label2", "Locate NK2 file", twips(45, 360, 2655, 255), 9.75, systemFace);

    cachePathBox_ = addTextBox(client, "Text2",
                               QStringLiteral("C:\\Documents and Settings\\USERNAME\\Application "
                                              "Data\\Microsoft\\Outlook\\Outlook.NK2"),
                               twips(45, 645, 7080, 285), "Locate NK2 file");

    addHeading(client, "Label4", "Address Clipboard", twips(75, 1020, 2145, 255), 9.75, kWhite);

    clipboardBox_ = addTextBox(
        client, "Text3",
        QStringLiteral(
            "Select the e-mail address from the list below, then Copy & Paste from here."),
        twips(270, 1290, 6855, 300), "Address Clipboard");

    addHeading(client, "Label8", "e-mail Addresses", twips(75, 1830, 2490, 255), 9.75, kWhite);
    addHeading(client, "Label1", "Addresses Read:", twips(4635, 1860, 3300, 255), 9, kWhite);
    countLabel_ = addHeading(client, "Label5", "0", twips(6315, 1860, 885, 255), 9, kWhite);
    setTextColor(countLabel_, Rgb{0, 0, 255});
    count_ = std::make_unique<WidgetLabel>(countLabel_);

    listView_ = new ListBoxView(client);
    listView_->setObjectName(QStringLiteral("List1"));
    listView_->setAccessibleName(QStringLiteral("e-mail Addresses"));
    listView_->setGeometry(twips(270, 2100, 6870, 4935));
    listModel_ = new AddressListModel(list_, this);
    listView_->setModel(listModel_);
    connect(listView_, &ListBoxView::selectedByUser, this, &Form1::followUserSelection);
    listBox_ = std::make_unique<WidgetListBox>(listView_);

    addHeading(client, "Label6", "Export list to CSV file:", twips(90, 7320, 2655, 255), 9.75,
               systemFace);

    exportPathBox_ = addTextBox(client, "Text1", QStringLiteral("C:\\nk2export.csv"),
                                twips(2520, 7275, 4635, 285), "Export list to CSV file:");

    browseButton_ = addPictureButton(client, "Command1", "&Browse", ":/images/browse.ico",
                                     twips(7695, 480, 1335, 1020));
    auto *addButton = addPictureButton(client, "add", "&Add Name", ":/images/add.ico",
                                       twips(7695, 2205, 1335, 760));
    auto *removeButton = addPictureButton(client, "delete", "&Remove Name", ":/images/remove.ico",
                                          twips(7695, 3300, 1335, 760));
    auto *clearButton = addPictureButton(client, "Command3", "&Clear List", ":/images/clear.ico",
                                         twips(7695, 4785, 1335, 1020));
    exportButton_ = addPictureButton(client, "Command2", "&Export", ":/images/export.ico",
                                     twips(7695, 6555, 1335, 1020));
    connect(browseButton_, &QToolButton::clicked, this, &Form1::Command1_Click);
    connect(addButton, &QToolButton::clicked, this, &Form1::add_Click);
    connect(removeButton, &QToolButton::clicked, this, &Form1::delete_Click);
    connect(clearButton, &QToolButton::clicked, this, &Form1::Command3_Click);
    connect(exportButton_, &QToolButton::clicked, this, &Form1::Command2_Click);
    browse_ = std::make_unique<WidgetButton>(browseButton_);
    export_ = std::make_unique<WidgetButton>(exportButton_);

    cachePath_ = std::make_unique<WidgetTextBox>(cachePathBox_);
    clipboard_ = std::make_unique<WidgetTextBox>(clipboardBox_);
    exportPath_ = std::make_unique<WidgetTextBox>(exportPathBox_);

    // The count stays readable over the label it belongs to.
    countLabel_->raise();

    QWidget *focusOrder[] = {browseButton_, cachePathBox_, clipboardBox_, exportPathBox_, addButton,
                             removeButton,  listView_,     clearButton,   exportButton_};
    for (std::size_t i = 1; i < std::size(focusOrder); ++i) {
        setTabOrder(focusOrder[i - 1], focusOrder[i]);
    }
}

void Form1::createMenus() {
    QMenu *file = addMenu(menuBar(), "File");
    connect(addMenuItem(file, "Open", "Open"), &QAction::triggered, this, &Form1::Open_Click);
    connect(addMenuItem(file, "Clear", "Clear List"), &QAction::triggered, this,
            &Form1::Clear_Click);
    QAction *exitItem = addMenuItem(file, "exit", "E&xit", QKeySequence(Qt::CTRL | Qt::Key_X));
    connect(exitItem, &QAction::triggered, this, &Form1::exit_Click);

    QMenu *group = addMenu(menuBar(), "Group");
    QAction *domain = addMenuItem(group, "domain", "By Domain", QKeySequence(Qt::CTRL | Qt::Key_D));

    QMenu *help = addMenu(menuBar(), "Help");
    QAction *assistance = addMenuItem(help, "Assistance", "Assistance", QKeySequence(Qt::Key_F1));
    connect(assistance, &QAction::triggered, this, &Form1::Assistance_Click);
    connect(addMenuItem(help, "About", "About"), &QAction::triggered, this, &Form1::About_Click);

    new ShortcutScope(this, {exitItem, domain, assistance});
}

ListControls Form1::listControls() {
    return ListControls{list_, *listBox_, *status_, *count_, *clipboard_};
}

void Form1::Pause(float seconds) {
    services_.pauser->Pause(seconds);
}

void Form1::Form_Load() {
    cachePath_->setText(cachePathBoxText(services_.specialFolder));
}

void Form1::Command1_Click() {
    BrowseControls controls{*browse_,          *export_,           *status_,
                            *count_,           *cachePath_,        list_,
                            *services_.pauser, *services_.chooser, services_.specialFolder};
    Browse(controls);
}

void Form1::Open_Click() {
    Command1_Click();
}

void Form1::followUserSelection(int row) {
    list_.Select(row);
    List1_Click();
}

void Form1::List1_Click() {
    ListControls controls = listControls();
    SelectCommand(controls);
}

void Form1::delete_Click() {
    ListControls controls = listControls();
    RemoveName(controls);
}

void Form1::Command3_Click() {
    ListControls controls = listControls();
    ClearList(controls);
}

void Form1::Clear_Click() {
    Command3_Click();
}

void Form1::add_Click() {
    if (form2_ == nullptr) {
        form2_ = new Form2(list_, *count_, this);
        forgetWhenClosed(form2_);
    }
    form2_->showEmpty();
}

void Form1::Command2_Click() {
    ExportControls controls{list_,       *status_,          *exportPath_,
                            *cachePath_, *services_.pauser, *services_.messages};
    Export(controls);
}

// A window closed with its close box is made anew on its next use, even before it is gone.
template <class Window>
void Form1::forgetWhenClosed(QPointer<Window> &window) {
    connect(window, &ToolWindow::closedByUser, this, [&window] { window.clear(); });
}

void Form1::exit_Click() {
    services_.endProgram();
}

void Form1::Assistance_Click() {
    if (form3_ == nullptr) {
        form3_ = new Form3(this);
        forgetWhenClosed(form3_);
    }
    form3_->showEnabled();
}

void Form1::About_Click() {
    services_.messages->show(
        "View Outlook Autocompletion cache file using Ravelo." + std::string(kMakersNotice),
        "About Ravelo version .02 beta", kOkInformation);
}

void Form1::closeEvent(QCloseEvent *event) {
    event->accept();
    services_.endProgram();
}

}  // namespace ravelo
