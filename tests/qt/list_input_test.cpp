// The address list under the mouse and the keyboard, as a person uses it.
#include "qt/form1_fixture.h"

#include <string>
#include <vector>

using namespace ravelo;
using namespace ravelo::testing;

namespace {

const char *const kFive[] = {"a@x", "b@x", "c@x", "d@x", "e@x"};

QString selectedText(int row, int count) {
    return QStringLiteral("Finished reading file, %1 e-mail addresses found.").arg(count) +
           QString(60, QLatin1Char(' ')) +
           QStringLiteral("Now Selected: %1 of %2").arg(row).arg(count);
}

}  // namespace

TEST_F(Form1Fixture, RemoveNameAfterAClickTakesOutThatEntryAndSelectsNoOther) {
    fill({kFive[0], kFive[1], kFive[2], kFive[3], kFive[4]});
    select(1);
    ASSERT_EQ(text(form1::Label7), selectedText(2, 5));
    press(form1::delete_);
    EXPECT_EQ(entries(), (std::vector<std::string>{"a@x", "c@x", "d@x", "e@x"}));
    EXPECT_EQ(form->addressList().SelectedIndex(), -1);
    EXPECT_EQ(rowShownSelected(), -1);
    EXPECT_EQ(text(form1::Text3), "b@x");
    EXPECT_EQ(text(form1::Label7), selectedText(2, 5));
    EXPECT_EQ(text(form1::Label5), "5");
    EXPECT_EQ(QApplication::focusWidget(), child(form1::List1));

    press(form1::delete_);  // nothing is selected now
    EXPECT_EQ(entries().size(), 4u);
    EXPECT_EQ(text(form1::Label7), selectedText(2, 5));

    select(3);
    EXPECT_EQ(text(form1::Label7), selectedText(4, 4));
    press(form1::delete_);
    EXPECT_EQ(entries(), (std::vector<std::string>{"a@x", "c@x", "d@x"}));
    EXPECT_EQ(rowShownSelected(), -1) << "the last row removed selects none before it";
}

TEST_F(Form1Fixture, ArrowKeysSelectAsClicksDo) {
    fill({kFive[0], kFive[1], kFive[2]});
    select(0);
    auto *list = child(form1::List1);
    ASSERT_EQ(QApplication::focusWidget(), list);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(text(form1::Text3), "b@x");
    EXPECT_EQ(text(form1::Label7), selectedText(2, 3));
    QTest::keyClick(list, Qt::Key_End);
    EXPECT_EQ(text(form1::Text3), "c@x");
    QTest::keyClick(list, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(rowShownSelected(), 1) << "the selection follows the cursor";
    EXPECT_EQ(text(form1::Label7), selectedText(2, 3));

    press(form1::delete_);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(rowShownSelected(), form->addressList().SelectedIndex());
    EXPECT_EQ(entries(), (std::vector<std::string>{"a@x", "c@x"}));
}

TEST_F(Form1Fixture, TheUserCannotClearTheOneSelection) {
    fill({kFive[0], kFive[1], kFive[2]});
    select(1);
    select(1, Qt::ControlModifier);
    EXPECT_EQ(rowShownSelected(), 1);
    EXPECT_EQ(form->addressList().SelectedIndex(), 1);
    QTest::keyClick(child(form1::List1), Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(rowShownSelected(), 1);
    clickBelowTheRows();
    EXPECT_EQ(rowShownSelected(), 1);
    EXPECT_EQ(form->addressList().SelectedIndex(), 1);
    EXPECT_EQ(text(form1::Text3), "b@x");
}

TEST_F(Form1Fixture, AClickOnTheSelectedEntrySelectsItAgain) {
    fill({kFive[0], kFive[1]});
    select(1);
    auto *clipboard = child<QLineEdit>(form1::Text3);
    clipboard->setFocus();
    QTest::keyClicks(clipboard, " typed");
    ASSERT_EQ(text(form1::Text3), "b@x typed");
    select(1);
    EXPECT_EQ(text(form1::Text3), "b@x");
    EXPECT_EQ(text(form1::Label7), selectedText(2, 2));
}
