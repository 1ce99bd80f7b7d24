#include "export/export_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "export/contact_csv.h"
#include "export/export_fixture.h"
#include "texts/status_text.h"

using namespace ravelo;
using namespace ravelo::testing;

TEST_F(ExportFixture, YesAppendsTheListAndSaysWhere) {
    fill({"a@x", "b@x"});
    exportPath.value = dir.file("contacts.csv");
    Export(controls, services);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Are you sure you wish to export this file to\r\n" + exportPath.value + "?");
    EXPECT_EQ(messages.shown[0].title, "Confirm file export?");
    EXPECT_EQ(messages.shown[0].style, 68);
    EXPECT_EQ(log,
              (Log{"Label7: 2",
                   "Label7: " + prefixed(55, "File successfully written to") + exportPath.value,
                   "pause 0.125"}));
    EXPECT_EQ(readAll(exportPath.value), contactFileText(list));
}

TEST_F(ExportFixture, TwoExportsAppendTwoWholeBlocks) {
    fill({"a@x", "b@x"});
    exportPath.value = dir.file("contacts.csv");
    Export(controls, services);
    Export(controls, services);
    EXPECT_EQ(readAll(exportPath.value), contactFileText(list) + contactFileText(list));
}

TEST_F(ExportFixture, SpacesAroundThePathAreDroppedOnlyForOpening) {
    fill({"a@x"});
    exportPath.value = "  " + dir.file("spaced.csv") + "   ";
    Export(controls, services);
    EXPECT_EQ(readAll(dir.file("spaced.csv")), contactFileText(list));
    EXPECT_EQ(messages.shown[0].text,
              "Are you sure you wish to export this file to\r\n" + exportPath.value + "?");
    EXPECT_EQ(status.caption, prefixed(55, "File successfully written to") + exportPath.value);
}

TEST_F(ExportFixture, AnEmptyListCreatesAnEmptyFileOrLeavesOneAsItWas) {
    exportPath.value = dir.file("new.csv");
    Export(controls, services);
    EXPECT_TRUE(std::filesystem::exists(exportPath.value));
    EXPECT_EQ(readAll(exportPath.value), "");
    EXPECT_EQ(log.front(), "Label7: 0");
    exportPath.value = dir.write("old.csv", "kept\r\n");
    Export(controls, services);
    EXPECT_EQ(readAll(exportPath.value), "kept\r\n");
    EXPECT_EQ(status.caption, prefixed(55, "File successfully written to") + exportPath.value);
}

TEST_F(ExportFixture, NoFlashesTheRefusalAndTouchesNoFile) {
    fill({"a@x"});
    exportPath.value = dir.file("never.csv");
    messages.answer = kAnswerNo;
    Export(controls, services);
    const std::string refusal =
        "Label7: " + prefixed(52, "Detected user aborted file export! File NOT exported.");
    EXPECT_EQ(log, (Log{"Label7: 1", refusal, "pause 0.125", "Label7 color 255,0,0", "pause 8",
                        "Label7 color 0,0,255", refusal, "pause 0.125"}));
    EXPECT_FALSE(std::filesystem::exists(exportPath.value));
}

// A second export may run to its end during the first one's red flash. A failure puts its text
// back only if nothing was reported since; a refusal always does.
TEST_F(ExportFixture, AnExportDuringTheFlashKeepsItsReportUnlessTheFirstWasARefusal) {
    const std::string success = prefixed(55, "File successfully written to");
    const std::string failure = prefixed(69, "Could not write the file! File NOT exported.");
    const std::string refusal =
        prefixed(52, "Detected user aborted file export! File NOT exported.");
    struct Case {
        bool firstAnswersYes;
        bool secondAnswersYes;
        bool secondPathIsGood;
        std::string shownAtTheEnd;
    };
    const Case cases[] = {
        {true, true, true, success},   // a failure, then a success
        {true, false, true, refusal},  // a failure, then a refusal
        {true, true, false, failure},  // two failures
        {false, true, true, refusal},  // a refusal, then a success: the refusal's text is back
    };
    fill({"a@x"});
    const std::string good = dir.file("contacts.csv");
    const std::string bad = dir.file("missing/contacts.csv");
    for (const Case &c : cases) {
        exportPath.value = c.firstAnswersYes ? bad : good;
        messages.answer = c.firstAnswersYes ? kAnswerYes : kAnswerNo;
        pauser.calls = 0;
        pauser.duringCall = 2;  // the eight seconds
        pauser.during = [&] {
            exportPath.value = c.secondPathIsGood ? good : bad;
            messages.answer = c.secondAnswersYes ? kAnswerYes : kAnswerNo;
            Export(controls, services);
        };
        Export(controls, services);
        const std::string expected = c.shownAtTheEnd == success ? success + good : c.shownAtTheEnd;
        EXPECT_EQ(status.caption, expected) << &c - cases;
        EXPECT_EQ(status.backColor, kStatusBlue) << &c - cases;
    }
}

TEST_F(ExportFixture, APathThatCannotBeWrittenSaysSoInRed) {
    fill({"a@x"});
    const std::string cache = dir.write("Outlook.NK2", "xSMTP:a@x\3");
    cachePath.value = cache;
    for (const std::string &path : {std::string(), std::string("   "), dir.file(""),
                                    dir.file("missing/contacts.csv"), cache}) {
        log.clear();
        exportPath.value = path;
        Export(controls, services);
        EXPECT_EQ(log, notExported(1)) << "path '" << path << "'";
        EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));
    }
    EXPECT_EQ(readAll(cache), "xSMTP:a@x\3");
}

TEST_F(ExportFixture, AFullDeviceSaysSo) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full here";
    }
    fill({"a@x"});
    exportPath.value = "/dev/full";
    Export(controls, services);
    EXPECT_EQ(log, notExported(1));
}
