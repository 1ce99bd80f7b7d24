// What Qt shows of each window against the window's layout rows: every control where its row
// puts it, in its row's face and caption, and the focus walking the tab indexes.
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include "forms/window_layouts.h"
#include "qt/form1_fixture.h"
#include "support/tab_orders.h"

#include <string>
#include <string_view>
#include <vector>

using namespace ravelo;
using namespace ravelo::testing;

namespace {

QString name(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The faces that stand in for the layout's, where the system lacks them.
bool faceShown(const QWidget *widget, std::string_view face) {
    const QString family = QFontInfo(widget->font()).family();
    if (family == name(face)) {
        return true;
    }
    return family == "Liberation Sans" || family == "Arial" || family == "DejaVu Sans";
}

struct LayoutTest : Form1Fixture {
    QWidget *open(const WindowLayout &layout) {
        if (layout.name == form2::window) {
            press(form1::add);
        } else if (layout.name == form3::window) {
            choose(form1::Help, form1::Assistance);
        }
        QWidget *window = layout.name == form1::window
                              ? form.get()
                              : form->findChild<QWidget *>(objectName(layout.name));
        return window;
    }

    void checkControls(QWidget *window, const WindowLayout &layout) {
        for (const ControlLayout &row : layout.controls) {
            SCOPED_TRACE(std::string(layout.name.text()) + "." + std::string(row.name.text()));
            auto *widget = window->findChild<QWidget *>(objectName(row.name));
            ASSERT_NE(widget, nullptr);
            EXPECT_EQ(widget->geometry(),
                      QRect(twipsToPixels(row.left), twipsToPixels(row.top),
                            twipsToPixels(row.width), twipsToPixels(row.height)));
            const std::string_view face =
                row.font.face.empty() ? layout.defaultFont.face : row.font.face;
            const double points =
                row.font.face.empty() ? layout.defaultFont.points : row.font.points;
            EXPECT_TRUE(faceShown(widget, face))
                << QFontInfo(widget->font()).family().toStdString();
            EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), points);
            EXPECT_EQ(widget->font().underline(), row.font.underline);
            if (auto *label = qobject_cast<QLabel *>(widget); label && row.name != form3::Label13) {
                EXPECT_EQ(label->text(), name(row.caption));
            }
            if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
                EXPECT_EQ(button->text(), name(row.caption));
            }
            EXPECT_EQ(widget->focusPolicy() != Qt::NoFocus, row.takesFocus());
        }
    }

    static QStringList tabOrder(const WindowLayout &layout) {
        QStringList names;
        for (ControlName name : tabOrderOf(layout)) {
            names << objectName(name);
        }
        return names;
    }

    static QStringList walkTabs(QWidget *window, qsizetype count) {
        QStringList walked;
        for (qsizetype i = 0; i < count; ++i) {
            QWidget *focused = QApplication::focusWidget();
            walked << (focused != nullptr && focused->window() == window ? focused->objectName()
                                                                         : QString());
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        return walked;
    }
};

}  // namespace

TEST_F(LayoutTest, EveryWindowShowsItsRows) {
    showActive();
    for (const WindowLayout *layout : {&form1Layout(), &form2Layout(), &form3Layout()}) {
        QWidget *window = open(*layout);
        ASSERT_NE(window, nullptr) << layout->name;
        EXPECT_EQ(window->windowTitle(), name(layout->caption));
        checkControls(window, *layout);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        const QStringList order = tabOrder(*layout);
        QWidget *first = window->findChild<QWidget *>(order.first());
        first->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(QTest::qWaitFor([first] { return QApplication::focusWidget() == first; }));
        EXPECT_EQ(walkTabs(window, order.size() + 1), order + QStringList{order.first()})
            << layout->name;
    }
}

TEST_F(LayoutTest, MenusShowTheirRows) {
    const auto &menus = form1Layout().menus;
    const QList<QAction *> titles = form->menuBar()->actions();
    ASSERT_EQ(titles.size(), static_cast<qsizetype>(menus.size()));
    for (std::size_t m = 0; m < menus.size(); ++m) {
        EXPECT_EQ(titles[static_cast<qsizetype>(m)]->text(), name(menus[m].caption));
        const QList<QAction *> items = titles[static_cast<qsizetype>(m)]->menu()->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(menus[m].items.size()));
        for (std::size_t i = 0; i < menus[m].items.size(); ++i) {
            const MenuItemLayout &row = menus[m].items[i];
            QAction *item = items[static_cast<qsizetype>(i)];
            EXPECT_EQ(item->objectName(), objectName(row.name));
            EXPECT_EQ(item->text(), name(row.caption));
            EXPECT_EQ(item->shortcut().toString(), name(shortcutText(row.shortcut)));
        }
    }
}
