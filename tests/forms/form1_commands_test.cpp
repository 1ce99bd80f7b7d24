// The windows' commands without any toolkit: the secondary windows made on first use, loaded
// once, shown and hidden, and made anew after their close box.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>

#include "forms/control_names.h"
#include "forms/form1_commands.h"
#include "platform/message_box.h"
#include "support/fakes.h"

using namespace ravelo;
using namespace ravelo::testing;

namespace {

class FakeWindow final : public Window {
public:
    void setEnabled(bool on) override { enabled = on; }
    void setVisible(bool on) override { visible = on; }
    bool enabled = false;
    bool visible = false;
};

// Windows that the commands make; `close` plays the close box.
class FakeWindows final : public SecondaryWindows {
public:
    struct Add {
        FakeWindow window;
        FakeTextBox text1{"left over"};
        Form2Controls controls{window, text1};
    };
    struct Help {
        FakeWindow window;
        Form3Controls controls{window};
    };
    Form2Controls *form2() override { return add ? &add->controls : nullptr; }
    Form3Controls *form3() override { return help ? &help->controls : nullptr; }
    Form2Controls &createForm2() override {
        ++made;
        add = std::make_unique<Add>();
        return add->controls;
    }
    Form3Controls &createForm3() override {
        ++made;
        help = std::make_unique<Help>();
        return help->controls;
    }
    std::unique_ptr<Add> add;
    std::unique_ptr<Help> help;
    int made = 0;
};

struct CommandsTest : ::testing::Test {
    Log log;
    FakeLabel status{log, form1::Label7}, count{log, form1::Label5};
    FakeTextBox exportPath, cachePath, clipboard;
    FakeListBox listBox;
    FakeButton browse{log, form1::Command1}, exportButton{log, form1::Command2};
    FakeChooser chooser;
    FakeMessageBoxes messages;
    FakePauser pauser{log};
    FakeWindows windows;
    AddressList list;
    int endings = 0;
    Form1Commands commands{
        list,
        {status, count, exportPath, cachePath, clipboard, listBox, browse, exportButton},
        {.chooser = &chooser,
         .messages = &messages,
         .pauser = &pauser,
         .specialFolder =
             [](std::span<char> buffer, std::int16_t) {
                 std::strcpy(buffer.data(), "C:\\Users\\ann\\AppData\\Roaming");
                 return true;
             },
         .endProgram = [this] { ++endings; }},
        windows};
};

}  // namespace

TEST_F(CommandsTest, TheAddWindowIsMadeOnceAndLoadedOnceUntilItsCloseBox) {
    commands.Form_Load();
    EXPECT_EQ(cachePath.value, "C:\\Users\\ann\\AppData\\Roaming\\Microsoft\\Outlook\\Outlook.NK2");
    commands.add_Click();
    ASSERT_NE(windows.add, nullptr);
    EXPECT_EQ(windows.add->text1.redrawn, 1) << "Form_Load redraws the box";
    EXPECT_EQ(windows.add->text1.value, "");
    EXPECT_EQ(windows.add->text1.focused, 1);
    EXPECT_TRUE(windows.add->window.enabled && windows.add->window.visible);

    windows.add->text1.value = " typed ";
    commands.Form2_Command2_Click();
    EXPECT_EQ(list.ItemAt(0), " typed ");
    EXPECT_EQ(count.caption, "1");
    EXPECT_FALSE(windows.add->window.enabled || windows.add->window.visible);

    commands.add_Click();
    EXPECT_EQ(windows.made, 1) << "shown again, not made anew";
    EXPECT_EQ(windows.add->text1.redrawn, 1);
    windows.add->text1.value = "never";
    commands.Form2_Command1_Click();
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(windows.add->text1.value, "never") << "Cancel keeps the text until the next Add Name";

    windows.add.reset();  // the close box
    commands.Form2_Command2_Click();
    EXPECT_EQ(list.Count(), 1);
    commands.add_Click();
    EXPECT_EQ(windows.made, 2);
    EXPECT_EQ(windows.add->text1.redrawn, 1);
}

TEST_F(CommandsTest, AssistanceShowsTheOneHelpWindowAndCloseHidesIt) {
    commands.Assistance_Click();
    commands.Assistance_Click();
    EXPECT_EQ(windows.made, 1);
    EXPECT_TRUE(windows.help->window.visible);
    commands.Form3_Command2_Click();
    EXPECT_FALSE(windows.help->window.enabled || windows.help->window.visible);
    windows.help.reset();
    commands.Assistance_Click();
    EXPECT_EQ(windows.made, 2);
    EXPECT_TRUE(windows.help->window.enabled && windows.help->window.visible);
}

// A click on each button or menu item, as a front end passes it on, and what the user sees.
TEST_F(CommandsTest, EveryButtonAndMenuItemDoesWhatItSays) {
    auto click = [this](WindowName window, ControlName control) {
        const Form1Click command = clickCommand(window, control);
        ASSERT_NE(command, nullptr) << window.text() << "." << control.text();
        (commands.*command)();
    };
    chooser.answer.reset();  // the file dialog is cancelled
    for (ControlName browse : {form1::Command1, form1::Open}) {
        const std::size_t asked = chooser.requests.size();
        click(form1::window, browse);
        EXPECT_EQ(chooser.requests.size(), asked + 1) << browse.text();
    }
    for (ControlName clear : {form1::Command3, form1::Clear}) {
        list.Append("a@x");
        click(form1::window, clear);
        EXPECT_EQ(list.Count(), 0) << clear.text();
    }
    list.Append("a@x");
    list.Append("b@x");
    list.Select(0);
    click(form1::window, form1::delete_);
    EXPECT_EQ(list.ItemAt(0), "b@x");

    click(form1::window, form1::add);
    ASSERT_NE(windows.add, nullptr);
    EXPECT_TRUE(windows.add->window.visible);
    windows.add->text1.value = "c@x";
    click(form2::window, form2::Command2);
    EXPECT_EQ(list.ItemAt(list.Count() - 1), "c@x");
    click(form1::window, form1::add);
    click(form2::window, form2::Command1);
    EXPECT_FALSE(windows.add->window.visible);

    click(form1::window, form1::Assistance);
    ASSERT_NE(windows.help, nullptr);
    EXPECT_TRUE(windows.help->window.visible);
    click(form3::window, form3::Command2);
    EXPECT_FALSE(windows.help->window.visible);

    click(form1::window, form1::About);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "About Ravelo version .02 beta");
    EXPECT_EQ(messages.shown[0].style, 64);
    messages.answer = kAnswerNo;
    click(form1::window, form1::Command2);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].title, "Confirm file export?");
    click(form1::window, form1::exit);
    EXPECT_EQ(endings, 1);

    // Labels, boxes, the list (it selects, it is not clicked) and By Domain run nothing.
    for (ControlName inert : {form1::domain, form1::Label7, form1::Text1, form1::List1}) {
        EXPECT_EQ(clickCommand(form1::window, inert), nullptr) << inert.text();
    }
    EXPECT_EQ(clickCommand(form3::window, form3::Label1), nullptr);
}
