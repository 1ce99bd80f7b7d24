#include <QPushButton>

#include "qt/form1_fixture.h"

#include <string>
#include <vector>

using namespace ravelo;
using namespace ravelo::testing;

namespace {

struct ToolWindows : Form1Fixture {
    QWidget *form2() const { return control<QWidget>(form.get(), form2::window); }
    QWidget *form3() const { return control<QWidget>(form.get(), form3::window); }
    QLineEdit *typed() const { return control<QLineEdit>(form2(), form2::Text1); }
    void addName() { press(form1::add); }
    void addTyped(const QString &text) {
        addName();
        typeInto(typed(), text);
        press(control<QPushButton>(form2(), form2::Command2));
    }
    // Lets the windows that closed themselves go.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

}  // namespace

TEST_F(ToolWindows, AddNameShowsAnEmptyBoxWithTheFocus) {
    EXPECT_EQ(form2(), nullptr) << "made on first use only";
    showActive();
    addName();
    ASSERT_NE(form2(), nullptr);
    EXPECT_TRUE(form2()->isVisible());
    EXPECT_EQ(form2()->windowTitle(), "Add e-mail address");
    EXPECT_EQ(form2()->size(), QSize(385, 67));
    EXPECT_TRUE(form2()->windowFlags() & Qt::Tool);
    EXPECT_TRUE(typed()->text().isEmpty());
    EXPECT_EQ(form2()->focusWidget(), typed());
}

TEST_F(ToolWindows, AddAppendsTheTextExactlyAsTypedAndCounts) {
    fill({"a@x"});
    select(0);
    const QString status = text(form1::Label7);
    for (const QString &address : {QStringLiteral("  spaced@x  "), QString(), QStringLiteral("a@x"),
                                   QStringLiteral("caf\u00e9@x")}) {
        addTyped(address);
    }
    EXPECT_EQ(entries(), (std::vector<std::string>{"a@x", "  spaced@x  ", "", "a@x", "caf\xe9@x"}));
    EXPECT_EQ(text(form1::Label5), "5");
    EXPECT_FALSE(form2()->isVisible());
    EXPECT_EQ(text(form1::Label7), status);
    EXPECT_EQ(form->addressList().SelectedIndex(), 0);
    EXPECT_EQ(typed()->text(), QStringLiteral("caf\u00e9@x")) << "kept until the next Add Name";
}

TEST_F(ToolWindows, AddAfterRemoveNameBringsTheCountBackInLine) {
    fill({"a@x", "b@x", "c@x"});
    select(1);
    press(form1::delete_);
    EXPECT_EQ(text(form1::Label5), "3");
    addTyped("d@x");
    EXPECT_EQ(entries(), (std::vector<std::string>{"a@x", "c@x", "d@x"}));
    EXPECT_EQ(text(form1::Label5), "3");
}

TEST_F(ToolWindows, AddDuringAScanBecomesTheLastEntryAtThatMoment) {
    pauser.duringCall = 5;
    pauser.during = [&] { addTyped("typed@x"); };
    fill({"a@x", "b@x"});
    EXPECT_EQ(entries(), (std::vector<std::string>{"a@x", "typed@x", "b@x"}));
    EXPECT_EQ(text(form1::Label5), "3");
}

TEST_F(ToolWindows, CancelEnterAndAddNameAgainAddNothing) {
    addName();
    QTest::keyClicks(typed(), "never@x");
    QTest::keyClick(typed(), Qt::Key_Return);
    QTest::keyClick(typed(), Qt::Key_Escape);
    EXPECT_TRUE(form2()->isVisible());
    addName();
    EXPECT_TRUE(typed()->text().isEmpty()) << "Add Name empties the box again";
    QTest::keyClicks(typed(), "never@x");
    press(control<QPushButton>(form2(), form2::Command1));
    EXPECT_FALSE(form2()->isVisible());
    EXPECT_EQ(form->addressList().Count(), 0);
    addName();
    EXPECT_TRUE(typed()->text().isEmpty());
}

TEST_F(ToolWindows, TheCloseBoxDestroysTheAddWindowAndAddNameMakesANewOne) {
    addName();
    QTest::keyClicks(typed(), "never@x");
    QPointer<QWidget> first = form2();
    first->close();
    addName();  // before the closed window is gone
    settle();
    EXPECT_TRUE(first.isNull());
    ASSERT_NE(form2(), nullptr);
    EXPECT_TRUE(form2()->isVisible());
    EXPECT_TRUE(typed()->text().isEmpty());
    EXPECT_EQ(form->addressList().Count(), 0);
}

TEST_F(ToolWindows, F1ShowsTheOneAssistanceWindow) {
    showActive();
    QTest::keyClick(child(form1::Text3), Qt::Key_F1);
    ASSERT_NE(form3(), nullptr);
    EXPECT_TRUE(form3()->isVisible());
    EXPECT_EQ(form3()->windowTitle(), "Help and Tips");
    EXPECT_EQ(form3()->size(), QSize(602, 493));
    EXPECT_EQ(control<QLabel>(form3(), form3::Label13)->text(), "https://ravelo.example.org/");
    EXPECT_EQ(control<QLabel>(form3(), form3::Label2)->text(),
              "How to export your NK2 file to CSV and then import into Microsoft Outlook 2003 ");
    EXPECT_TRUE(control<QLabel>(form3(), form3::Label2)->font().underline());
    auto *close = control<QPushButton>(form3(), form3::Command2);
    EXPECT_EQ(form3()->focusWidget(), close);

    choose(form1::Help, form1::Assistance);
    EXPECT_EQ(form->findChildren<QWidget *>(objectName(form3::window)).size(), 1);

    QTest::keyClick(close, Qt::Key_Return);
    EXPECT_FALSE(form3()->isVisible());
    QPointer<QWidget> same = form3();
    choose(form1::Help, form1::Assistance);
    EXPECT_EQ(form3(), same.data());
    EXPECT_TRUE(form3()->isVisible());
}

TEST_F(ToolWindows, ClosingTheAssistanceWindowThenAssistanceShowsANewOne) {
    choose(form1::Help, form1::Assistance);
    QPointer<QWidget> first = form3();
    const QRect labelPlace = control<QLabel>(first, form3::Label3)->geometry();
    first->resize(200, 100);
    EXPECT_EQ(control<QLabel>(first, form3::Label3)->geometry(), labelPlace) << "nothing moves";
    first->close();
    settle();
    EXPECT_TRUE(first.isNull());
    choose(form1::Help, form1::Assistance);
    ASSERT_NE(form3(), nullptr);
    EXPECT_TRUE(form3()->isVisible());
}

TEST_F(ToolWindows, AboutShowsTheMakersInAnInformationBox) {
    fill({"a@x"});
    const QString status = text(form1::Label7);
    choose(form1::Help, form1::About);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "About Ravelo version .02 beta");
    EXPECT_EQ(messages.shown[0].style, 64);
    EXPECT_EQ(messages.shown[0].text,
              "View Outlook Autocompletion cache file using Ravelo.Made by the Ravelo developers - "
              "https://ravelo.example.org/");
    EXPECT_EQ(text(form1::Label7), status);
}

TEST_F(ToolWindows, ClosingTheMainWindowWithTheOthersOpenEndsTheProgram) {
    choose(form1::Help, form1::Assistance);
    addName();
    form->close();
    EXPECT_EQ(endings, 1);
}

TEST_F(ToolWindows, TheMainWindowsShortcutsAndAccessKeysStayInTheMainWindow) {
    showActive();
    addName();
    activate(form2());
    QTest::keyClicks(typed(), "cut me");
    typed()->selectAll();
    QTest::keyClick(typed(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(typed()->text().isEmpty()) << "Ctrl+X cuts, as in any text box";
    QTest::keyClick(typed(), Qt::Key_F1);
    QTest::keyClick(typed(), Qt::Key_B, Qt::AltModifier);
    auto *addButton = control<QPushButton>(form2(), form2::Command2);
    addButton->setFocus();
    QTest::keyClick(addButton, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(addButton, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(form3(), nullptr) << "F1 is the main window's";
    EXPECT_TRUE(chooser.requests.empty()) << "Alt+B is the main window's";

    choose(form1::Help, form1::Assistance);
    activate(form3());
    auto *close = control<QPushButton>(form3(), form3::Command2);
    QTest::keyClick(close, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(close, Qt::Key_E, Qt::AltModifier);
    EXPECT_EQ(endings, 0);
    EXPECT_TRUE(messages.shown.empty()) << "Alt+E is the main window's";
    EXPECT_TRUE(form3()->isVisible());

    activate(form.get());
    QTest::keyClick(child(form1::Text3), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(endings, 1);
}

TEST_F(ToolWindows, AFullListTakesNoMoreAndSaysSo) {
    while (form->addressList().Count() < AddressList::kMaxCount) {
        form->addressList().Append("x@x");
    }
    showActive();
    addTyped("one more");
    EXPECT_EQ(form->addressList().Count(), AddressList::kMaxCount);
    EXPECT_EQ(form->addressList().ItemAt(AddressList::kMaxCount - 1), "x@x");
    EXPECT_EQ(text(form1::Label7), prefixed(103, "The list is full."));
}
