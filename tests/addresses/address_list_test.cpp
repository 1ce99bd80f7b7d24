#include "addresses/address_list.h"

#include <gtest/gtest.h>

#include "addresses/list_commands.h"
#include "support/fakes.h"

#include <initializer_list>
#include <string>

using namespace ravelo;
using namespace ravelo::testing;
using namespace std::string_literals;

TEST(AddressList, KeepsOrderDuplicatesEmptiesAndCutsAtNul) {
    AddressList list;
    list.Append("b@x");
    list.Append("b@x");
    list.Append("");
    list.Append("a@x\0hidden"s);
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.ItemAt(0), "b@x");
    EXPECT_EQ(list.ItemAt(1), "b@x");
    EXPECT_EQ(list.ItemAt(2), "");
    EXPECT_EQ(list.ItemAt(3), "a@x");
}

TEST(AddressList, SelectionFollowsAppendsAndRemovals) {
    AddressList list;
    for (const char *text : {"a", "b", "c", "d"}) {
        list.Append(text);
    }
    EXPECT_EQ(list.SelectedIndex(), -1);
    EXPECT_EQ(list.SelectedText(), "");
    list.Select(2);
    list.Append("e");
    EXPECT_EQ(list.SelectedIndex(), 2);
    EXPECT_EQ(list.SelectedText(), "c");
    list.RemoveAt(0);  // an entry above the selection: the selected one moves up with the rows
    EXPECT_EQ(list.SelectedText(), "c");
    list.RemoveAt(list.SelectedIndex());
    EXPECT_EQ(list.SelectedIndex(), -1);
    list.Select(0);
    list.RemoveAll();
    EXPECT_EQ(list.SelectedIndex(), -1);
    EXPECT_EQ(list.Count(), 0);
}

TEST(AddressList, HoldsAtMost32767Entries) {
    AddressList list;
    for (int i = 0; i < AddressList::kMaxCount; ++i) {
        ASSERT_TRUE(list.Append("x"));
    }
    EXPECT_FALSE(list.Append("one too many"));
    EXPECT_EQ(list.Count(), 32767);
}

namespace {

struct ListCommandsFixture : ::testing::Test {
    Log log;
    AddressList list;
    FakeListBox listBox;
    FakeLabel status{log, form1::Label7};
    FakeLabel countLabel{log, form1::Label5};
    FakeTextBox clipboard{
        "Select the e-mail address from the list below, then Copy & Paste from here."};
    ListControls controls{list, listBox, status, countLabel, clipboard};

    void fill(std::initializer_list<const char *> entries) {
        for (const char *entry : entries) {
            list.Append(entry);
        }
        ShowCount(list, countLabel);
    }
    void select(int index) {
        list.Select(index);
        SelectCommand(controls);
    }
};

std::string selectedText(int count, int position) {
    return "Finished reading file, " + std::to_string(count) + " e-mail addresses found." +
           std::string(60, ' ') + "Now Selected: " + std::to_string(position) + " of " +
           std::to_string(count);
}

}  // namespace

TEST_F(ListCommandsFixture, SelectCopiesTheEntryAndSaysWhichItIs) {
    fill({"a@x", "b@x", "c@x"});
    select(1);
    EXPECT_EQ(clipboard.value, "b@x");
    EXPECT_EQ(status.caption, selectedText(3, 2));
}

TEST_F(ListCommandsFixture, RemoveNameWithoutSelectionOnlyMovesTheFocus) {
    fill({"a@x"});
    status.setCaption("before");
    log.clear();
    RemoveName(controls);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(listBox.focused, 1);
    EXPECT_EQ(clipboard.writes, 0);
}

TEST_F(ListCommandsFixture, RemoveNameLeavesTheCountLabelUntilTheNextCount) {
    fill({"a@x", "b@x", "c@x"});
    select(1);
    RemoveName(controls);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.ItemAt(0), "a@x");
    EXPECT_EQ(list.ItemAt(1), "c@x");
    EXPECT_EQ(list.SelectedIndex(), -1);
    EXPECT_EQ(countLabel.caption, "3");
    EXPECT_EQ(clipboard.value, "b@x");
    EXPECT_EQ(listBox.focused, 1);
    select(0);
    EXPECT_EQ(status.caption, selectedText(2, 1));
    EXPECT_EQ(countLabel.caption, "3");
}

TEST_F(ListCommandsFixture, ClearListEmptiesAndResetsTheTexts) {
    for (bool empty : {false, true}) {
        if (!empty) {
            fill({"a@x", "b@x"});
            select(0);
        }
        ClearList(controls);
        EXPECT_EQ(list.Count(), 0);
        EXPECT_EQ(countLabel.caption, "0");
        const std::string cleared =
            "All addresses cleared." + std::string(113, ' ') + "Click browse to begin.";
        EXPECT_EQ(cleared.size(), 157u);
        EXPECT_EQ(status.caption, cleared);
        EXPECT_EQ(clipboard.value, "a@x") << "the clipboard box keeps its text";
    }
}
