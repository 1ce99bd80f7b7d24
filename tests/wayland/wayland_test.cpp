// The windows as a Wayland desktop shows them: the program a native client of the compositor,
// no X display. Wayland lets no client place or activate its own windows: the compositor places
// them (the secondary windows over the main one, whose children they are) and gives the keyboard
// to the window it chooses; each window keeps its own focus for the moment it is given it.
// The compositor here has no keyboard at all, and Qt 6.4's Wayland text input fails on a key
// event to a text box without one, so no key goes to a text box here (typing is tested on X11).
#include <QGuiApplication>
#include <QPushButton>
#include <QStringList>
#include <QWindow>

#include "qt/form1_fixture.h"
#include "qt/program_style.h"

using namespace ravelo;
using namespace ravelo::testing;

namespace {

// What Qt said before and while the tests ran: a missing platform plugin or a Wayland protocol
// error shows here.
QStringList &said() {
    static QStringList messages;
    return messages;
}

void keep(QtMsgType type, const QMessageLogContext &, const QString &message) {
    if (type != QtDebugMsg && type != QtInfoMsg) {
        said() << message;
    }
}

struct OnWayland : Form1Fixture {
    QWidget *form2() const { return control<QWidget>(form.get(), form2::window); }
    QWidget *form3() const { return control<QWidget>(form.get(), form3::window); }
    // Shows a window and waits until the compositor has it on an output.
    static void showExposed(QWidget *window) {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window)) << window->objectName().toStdString();
    }
    // Opens a menu with a click on its title and takes one of its items with the arrow keys and
    // Return: the pointer's way through a menu needs a pointer that the compositor knows.
    void chooseByKeys(ControlName menuName, ControlName itemName) {
        QMenu *menu = openMenu(menuName);
        ASSERT_NE(menu, nullptr) << menuName;
        QAction *item = menuItem(itemName);
        for (int step = 0; step < 8 && menu->activeAction() != item; ++step) {
            QTest::keyClick(menu, Qt::Key_Down);
        }
        ASSERT_EQ(menu->activeAction(), item) << itemName;
        QTest::keyClick(menu, Qt::Key_Return);
    }
    // A secondary window stands over the main window: the compositor knows it as its child.
    void expectOverTheMainWindow(QWidget *window) const {
        ASSERT_NE(window->windowHandle(), nullptr);
        EXPECT_EQ(window->windowHandle()->transientParent(), form->windowHandle());
    }
};

}  // namespace

TEST_F(OnWayland, TheProgramIsANativeClientAndQtSaysNothingAmiss) {
    EXPECT_EQ(QGuiApplication::platformName(), "wayland");
    showExposed(form.get());
    EXPECT_TRUE(said().isEmpty()) << said().join('\n').toStdString();
}

TEST_F(OnWayland, TheMainWindowShowsItsTextsAndKeepsItsFocusOnBrowse) {
    showExposed(form.get());
    EXPECT_EQ(form->windowTitle(), "Ravelo");
    EXPECT_EQ(text(form1::Label7), prefixed(110, "Click browse to begin."));
    EXPECT_EQ(text(form1::Label5), "0");
    EXPECT_EQ(text(form1::Text1), "C:\\nk2export.csv");
    EXPECT_EQ(form->centralWidget()->size(), QSize(611, 511));
    EXPECT_EQ(form->focusWidget(), child(form1::Command1));
}

TEST_F(OnWayland, AddNameOpensItsWindowOverTheMainOneAndCancelClosesIt) {
    showExposed(form.get());
    press(form1::add);
    ASSERT_NE(form2(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form2()));
    expectOverTheMainWindow(form2());
    EXPECT_EQ(form2()->windowTitle(), "Add e-mail address");
    EXPECT_EQ(form2()->size(), QSize(385, 67));
    EXPECT_EQ(form2()->focusWidget(), control<QLineEdit>(form2(), form2::Text1));
    press(control<QPushButton>(form2(), form2::Command2));  // Add, with the box left empty
    EXPECT_EQ(entries(), std::vector<std::string>{""});
    EXPECT_FALSE(form2()->isVisible());

    press(form1::add);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form2()));
    press(control<QPushButton>(form2(), form2::Command1));  // Cancel
    EXPECT_FALSE(form2()->isVisible());
    EXPECT_EQ(entries().size(), 1u);
}

TEST_F(OnWayland, AssistanceOpensItsWindowOverTheMainOneAndCloseClosesIt) {
    showExposed(form.get());
    chooseByKeys(form1::Help, form1::Assistance);
    ASSERT_NE(form3(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form3()));
    expectOverTheMainWindow(form3());
    EXPECT_EQ(form3()->windowTitle(), "Help and Tips");
    EXPECT_EQ(control<QLabel>(form3(), form3::Label13)->text(), "https://ravelo.example.org/");
    auto *close = control<QPushButton>(form3(), form3::Command2);
    EXPECT_EQ(form3()->focusWidget(), close);
    press(close);
    EXPECT_FALSE(form3()->isVisible());
}

int main(int argc, char **argv) {
    qInstallMessageHandler(keep);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setStyle(new ProgramStyle);  // the program's own look
    return RUN_ALL_TESTS();
}
