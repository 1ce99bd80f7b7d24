#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "forms/control_names.h"
#include "qt/form1.h"
#include "qt/window_builder.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace ravelo::testing {

// The real main window with the system's dialogs, waits and exit played by the test.
struct Form1Fixture : ::testing::Test {
    Log log;
    FakeChooser chooser;
    FakeMessageBoxes messages;
    FakePauser pauser{log};
    int endings = 0;
    TempDir dir;
    ByteSourceOpener openFile = openByteFile;  // how the cache file is read
    std::unique_ptr<Form1> form;

    void SetUp() override {
        Services services;
        services.chooser = &chooser;
        services.messages = &messages;
        services.pauser = &pauser;
        services.specialFolder = [](std::span<char> buffer, std::int16_t) {
            std::strcpy(buffer.data(), "C:\\Users\\ann\\AppData\\Roaming");
            return true;
        };
        services.endProgram = [this] { ++endings; };
        services.openFile = [this](const FilePath &path) { return openFile(path); };
        form = std::make_unique<Form1>(std::move(services));
    }

    void showActive() {
        form->show();
        activate(form.get());
    }

    // Makes a shown window the active one, as a click on its frame does.
    static void activate(QWidget *window) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    template <class T = QWidget>
    T *child(ControlName name) const {
        T *found = control<T>(form.get(), name);
        EXPECT_NE(found, nullptr) << name.text();
        return found;
    }
    QAction *menuItem(ControlName name) const { return child<QAction>(name); }
    QString text(ControlName name) const {
        if (auto *label = control<QLabel>(form.get(), name)) {
            return label->text();
        }
        return child<QLineEdit>(name)->text();
    }

    void scan(const std::string &bytes) {
        chooser.answer = dir.write("cache.NK2", bytes);
        press(form1::Command1);
    }
    void fill(std::initializer_list<const char *> addresses) {
        std::string bytes = "x";
        for (const char *address : addresses) {
            bytes += std::string("SMTP:") + address + '\0' + '\3';
        }
        scan(bytes);
    }
    // Selects a row as the user does: a click with the mouse on the row, in the shown window.
    void select(int row, Qt::KeyboardModifiers modifiers = {}) {
        if (!form->isVisible()) {
            showActive();
        }
        auto *view = child<QListView>(form1::List1);
        const QModelIndex index = view->model()->index(row, 0);
        ASSERT_TRUE(index.isValid()) << "no row " << row;
        QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers,
                          view->visualRect(index).center());
    }
    // Types into a widget key by key. A character without a key of its own on a US keyboard
    // arrives as a keyboard layout that has one sends it: a key event with its text.
    static void typeInto(QWidget *widget, const QString &text) {
        for (const QChar character : text) {
            if (character.unicode() < 0x80) {
                QTest::keyClick(widget, character.toLatin1());
            } else {
                QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                                    Qt::NoModifier);
            }
        }
    }
    // Selects a text box's text and types over it with the keyboard.
    void typeOver(ControlName name, const QString &text) {
        auto *box = child<QLineEdit>(name);
        box->setFocus();
        box->selectAll();
        typeInto(box, text);
    }
    // A click with the mouse in the middle of a button, in the shown window.
    void press(QWidget *button) {
        if (!form->isVisible()) {
            showActive();
        }
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // Opens a menu of the main window with a click on its title and clicks one of its items.
    // The mouse moves down the open menu onto the item before it clicks, as a hand does: a menu
    // takes no click from a mouse that has not moved since it opened.
    void choose(ControlName menuName, ControlName itemName) {
        if (!form->isVisible()) {
            showActive();
        }
        QMenu *menu = openMenu(menuName);
        ASSERT_NE(menu, nullptr) << menuName;
        QAction *item = menuItem(itemName);
        const QPoint target = menu->actionGeometry(item).center();
        for (int step = 1; step <= 8; ++step) {
            QTest::mouseMove(menu, QPoint(target.x(), target.y() * step / 8));
        }
        ASSERT_TRUE(QTest::qWaitFor([menu, item] { return menu->activeAction() == item; }))
            << itemName;
        QTest::mouseClick(menu, Qt::LeftButton, {}, target);
    }
    // Opens a menu of the main window with a click on its title; null when it does not open.
    QMenu *openMenu(ControlName menuName) {
        QMenuBar *bar = form->menuBar();
        auto *menu = child<QMenu>(menuName);
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(menu->menuAction()).center());
        return QTest::qWaitFor([menu] { return menu->isVisible(); }) ? menu : nullptr;
    }
    void press(ControlName name) { press(child(name)); }
    // Where the list shows nothing: below its last row.
    void clickBelowTheRows() {
        auto *view = child<QListView>(form1::List1);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          QPoint(20, view->viewport()->height() - 5));
    }
    int rowShownSelected() const {
        const QModelIndexList rows =
            child<QListView>(form1::List1)->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.constFirst().row();
    }
    std::vector<std::string> entries() const {
        std::vector<std::string> all;
        for (int i = 0; i < form->addressList().Count(); ++i) {
            all.push_back(form->addressList().ItemAt(i));
        }
        return all;
    }
    int rowsShown() const { return child<QListView>(form1::List1)->model()->rowCount(); }
};

inline QString prefixed(int spaces, const char *tail) {
    return QStringLiteral("Ravelo version .06 beta") + QString(spaces, QLatin1Char(' ')) +
           QString::fromLatin1(tail);
}

}  // namespace ravelo::testing
