#include "qt/window_builder.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QRect>
#include <QSize>
#include <QToolButton>
#include <string_view>
#include <vector>

#include "forms/layout_rules.h"
#include "qt/list_box_view.h"
#include "qt/text_codec.h"
#include "qt/widget_controls.h"
#include "qt/window_colors.h"
#include "qt/window_style.h"

namespace ravelo {
namespace {

QString text(std::string_view text) {
    return toQString(text);
}

QString resource(std::string_view name, const char *extension) {
    return QStringLiteral(":/images/") + text(name) + QLatin1String(extension);
}

QRect place(const ControlLayout &row) {
    return twips(row.left, row.top, row.width, row.height);
}

void applyFont(QWidget *widget, const ControlLayout &row) {
    if (!row.font.face.empty()) {
        widget->setFont(windowFont(row.font));
    }
}

QWidget *addLabel(QWidget *client, const ControlLayout &row) {
    QLabel *label = ravelo::addLabel(client, text(row.name.text()), text(row.caption), place(row));
    applyFont(label, row);
    if (const int indent = labelIndent(row); indent > 0) {
        label->setIndent(indent);
    }
    return label;
}

QWidget *addTextBox(QWidget *client, const ControlLayout &row) {
    auto *edit = new QLineEdit(client);
    edit->setMaxLength(kNoLengthLimit);
    edit->setText(text(row.caption));
    return edit;
}

QWidget *addPictureButton(QWidget *client, const ControlLayout &row) {
    auto *button = new QToolButton(client);
    button->setText(text(row.caption));
    button->setIcon(QIcon(resource(row.icon, ".ico")));
    button->setIconSize(QSize(pictureButtonIconSize(row), pictureButtonIconSize(row)));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QWidget *addButton(QWidget *client, const ControlLayout &row) {
    auto *button = new QPushButton(text(row.caption), client);
    button->setAutoDefault(true);  // Enter on the focused button presses it, as the space bar does
    return button;
}

QWidget *addControl(QWidget *client, const ControlLayout &row) {
    QWidget *widget = nullptr;
    switch (row.kind) {
        case ControlKind::kLabel:
            return addLabel(client, row);
        case ControlKind::kTextBox:
            widget = addTextBox(client, row);
            break;
        case ControlKind::kListBox:
            widget = new ListBoxView(client);
            break;
        case ControlKind::kPictureButton:
            widget = addPictureButton(client, row);
            break;
        case ControlKind::kButton:
            widget = addButton(client, row);
            break;
    }
    widget->setObjectName(text(row.name.text()));
    widget->setGeometry(place(row));
    applyFont(widget, row);
    if (!row.accessibleName.empty()) {
        widget->setAccessibleName(text(row.accessibleName));
    }
    return widget;
}

QKeySequence keys(Shortcut shortcut) {
    switch (shortcut) {
        case Shortcut::kCtrlX:
            return QKeySequence(Qt::CTRL | Qt::Key_X);
        case Shortcut::kCtrlD:
            return QKeySequence(Qt::CTRL | Qt::Key_D);
        case Shortcut::kF1:
            return QKeySequence(Qt::Key_F1);
        case Shortcut::kNone:
            break;
    }
    return {};
}

}  // namespace

void buildWindow(QWidget *window, QWidget *client, const WindowLayout &layout) {
    window->setObjectName(text(layout.name.text()));
    window->setWindowTitle(text(layout.caption));
    // A window without an icon of its own does not take its owner's either.
    window->setWindowIcon(layout.icon.empty() ? QIcon() : QIcon(resource(layout.icon, ".ico")));
    window->setFont(windowFont(layout.defaultFont));
    if (!layout.picture.empty()) {
        // At its natural size from the top left corner; larger than the client area, so it never
        // repeats. Painted by the client area itself, it is no control.
        QPalette background = client->palette();
        background.setBrush(QPalette::Window, QPixmap(resource(layout.picture, ".jpg")));
        client->setPalette(background);
        client->setAutoFillBackground(true);
    }

    for (const ControlLayout &row : layout.controls) {
        if (!row.takesFocus()) {
            addControl(client, row);
        }
    }
    QWidget *previous = nullptr;
    for (const ControlLayout *row : focusOrder(layout)) {
        QWidget *widget = addControl(client, *row);
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        } else {
            widget->setFocus();
        }
        previous = widget;
    }
    keepColors(window, client, layout);
}

QList<QAction *> buildMenus(QMenuBar *bar, const WindowLayout &layout) {
    QList<QAction *> withShortcuts;
    for (const MenuLayout &menuRow : layout.menus) {
        QMenu *menu = bar->addMenu(text(menuRow.caption));
        menu->setObjectName(text(menuRow.name.text()));
        for (const MenuItemLayout &item : menuRow.items) {
            QAction *action = menu->addAction(text(item.caption));
            action->setObjectName(text(item.name.text()));
            action->setShortcut(keys(item.shortcut));
            if (item.shortcut != Shortcut::kNone) {
                withShortcuts.append(action);
            }
        }
    }
    return withShortcuts;
}

}  // namespace ravelo
