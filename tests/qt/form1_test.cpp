#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QMenuBar>

#include "forms/window_layouts.h"
#include "qt/form1_fixture.h"
#include "support/cache_file.h"
#include "support/memory_source.h"
#include "support/tab_orders.h"

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using namespace ravelo;
using namespace ravelo::testing;
using namespace std::string_literals;

TEST_F(Form1Fixture, StartsWithTheTextsOfAnEmptyList) {
    EXPECT_EQ(text(form1::Label7), prefixed(110, "Click browse to begin."));
    EXPECT_EQ(text(form1::Label7).size(), 155);
    EXPECT_EQ(text(form1::Label5), "0");
    EXPECT_EQ(rowsShown(), 0);
    EXPECT_EQ(text(form1::Text1), "C:\\nk2export.csv");
    EXPECT_EQ(text(form1::Text2),
              "C:\\Users\\ann\\AppData\\Roaming\\Microsoft\\Outlook\\Outlook.NK2");
    EXPECT_EQ(text(form1::Text3),
              "Select the e-mail address from the list below, then Copy & Paste from here.");
    EXPECT_EQ(form->windowTitle(), "Ravelo");
    EXPECT_EQ(form->centralWidget()->size(), QSize(611, 511));
    showActive();
    EXPECT_EQ(QApplication::focusWidget(), child(form1::Command1));
}

TEST_F(Form1Fixture, FocusMovesThroughTheControlsInTabOrder) {
    showActive();
    QStringList order;
    for (int i = 0; i < 9; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QStringList expected;
    for (ControlName name : tabOrderOf(form1Layout())) {
        expected << objectName(name);
    }
    EXPECT_EQ(order, expected);
}

TEST_F(Form1Fixture, ControlsStandWhereTheLayoutPutsThem) {
    struct Place {
        ControlName name;
        QRect pixels;
    };
    const Place places[] = {
        {form1::Label7, {-2, 0, 646, 20}},     {form1::Command1, {513, 32, 89, 68}},
        {form1::Text2, {3, 43, 472, 19}},      {form1::Text3, {18, 86, 457, 20}},
        {form1::Label5, {421, 124, 59, 17}},   {form1::List1, {18, 140, 458, 329}},
        {form1::add, {513, 147, 89, 51}},      {form1::delete_, {513, 220, 89, 51}},
        {form1::Command3, {513, 319, 89, 68}}, {form1::Command2, {513, 437, 89, 68}},
        {form1::Text1, {168, 485, 309, 19}},
    };
    for (const Place &place : places) {
        EXPECT_EQ(child(place.name)->geometry(), place.pixels) << place.name.text();
    }
}

TEST_F(Form1Fixture, EveryFixedStatusTextShowsItsSecondPhraseOnTheOneLine) {
    auto *status = child<QLabel>(form1::Label7);
    const QFontMetrics metrics(status->font());
    // The label starts two pixels left of the window, whose client area is 611 pixels wide.
    const int visibleEnd = 611 - status->x();
    EXPECT_GE(status->indent(), -status->x()) << "the first letter is not cut off";
    const QString texts[] = {
        prefixed(108, "Browsing for File..."),
        prefixed(110, "Click browse to begin."),
        prefixed(89, "Please wait while reading file"),
        prefixed(89, "Please wait while reading file..."),
        prefixed(89, "Could not open the chosen file."),
        prefixed(90, "Could not read the whole file."),
        prefixed(103, "The list is full."),
        QStringLiteral("All addresses cleared.") + QString(113, QLatin1Char(' ')) +
            QStringLiteral("Click browse to begin."),
        prefixed(52, "Detected user aborted file export! File NOT exported."),
        prefixed(69, "Could not write the file! File NOT exported."),
        prefixed(55, "File successfully written toC:\\nk2export.csv"),
        QStringLiteral("Finished reading file, 999 e-mail addresses found.") +
            QString(60, QLatin1Char(' ')) + QStringLiteral("Now Selected: 999 of 999"),
        QStringLiteral("Finished reading file, 999 e-mail addresses found, 99999 left out for "
                       "letters the list cannot hold."),
    };
    for (const QString &text : texts) {
        EXPECT_LE(status->indent() + metrics.horizontalAdvance(text), visibleEnd)
            << text.toStdString();
    }
}

TEST_F(Form1Fixture, BrowseScansTheChosenFileIntoTheList) {
    fill({"ann@example.org", "bob@example.net"});
    EXPECT_EQ(entries(), (std::vector<std::string>{"ann@example.org", "bob@example.net"}));
    EXPECT_EQ(rowsShown(), 2);
    EXPECT_EQ(child<QListView>(form1::List1)->model()->index(1, 0).data().toString(),
              "bob@example.net");
    EXPECT_EQ(text(form1::Label5), "2");
    EXPECT_EQ(text(form1::Label7), "Finished reading file, 2 e-mail addresses found.");
    EXPECT_EQ(text(form1::Text2).toStdString(), *chooser.answer);
    EXPECT_TRUE(child(form1::Command1)->isEnabled());
    EXPECT_TRUE(child(form1::Command2)->isEnabled());
    EXPECT_EQ(chooser.requests.at(0).startPath,
              "C:\\Users\\ann\\AppData\\Roaming\\Microsoft\\Outlook\\Outlook.NK2");
}

TEST_F(Form1Fixture, ACachesRowsAddTheirAddressesAndSayWhatTheListCannotHold) {
    scan(cacheBytes({.rows = {smtpRow("ann@example.org"), exchangeRow(u"bob@example.org"),
                              keylessRow(u"\u0142ucja@example.pl")}}));
    EXPECT_EQ(entries(), (std::vector<std::string>{"ANN@EXAMPLE.ORG", "bob@example.org"}));
    EXPECT_EQ(rowsShown(), 2);
    EXPECT_EQ(text(form1::Label7), "Finished reading file, 2 e-mail addresses found, 1 left out "
                                   "for letters the list cannot hold.");
}

TEST_F(Form1Fixture, ButtonsAreDisabledWhileTheScanWaits) {
    bool browseEnabled = true, exportEnabled = true;
    pauser.duringCall = 1;
    pauser.during = [&] {
        browseEnabled = child(form1::Command1)->isEnabled();
        exportEnabled = child(form1::Command2)->isEnabled();
    };
    fill({"a@x"});
    EXPECT_FALSE(browseEnabled);
    EXPECT_FALSE(exportEnabled);
}

TEST_F(Form1Fixture, OpenDoesWhatBrowseDoesExceptDuringAScan) {
    chooser.answer = dir.write("cache.NK2", std::string("xSMTP:a@x\0\3", 11));
    pauser.duringCall = 2;
    pauser.during = [&] { choose(form1::File, form1::Open); };
    choose(form1::File, form1::Open);
    EXPECT_EQ(chooser.requests.size(), 1u) << "Open during the scan starts no second one";
    EXPECT_EQ(entries(), std::vector<std::string>{"a@x"});
    EXPECT_EQ(text(form1::Label7), "Finished reading file, 1 e-mail addresses found.");
}

TEST_F(Form1Fixture, ClearListDuringAScanAndTheScanGoesOnIntoTheEmptiedList) {
    pauser.duringCall = 5;  // the pass after the first address
    pauser.during = [&] { choose(form1::File, form1::Clear); };
    fill({"a@x", "b@x", "c@x"});
    EXPECT_EQ(entries(), (std::vector<std::string>{"b@x", "c@x"}));
    EXPECT_EQ(rowsShown(), 2);
    EXPECT_EQ(text(form1::Label5), "2");
}

TEST_F(Form1Fixture, ClearListButtonAndMenuItemDoTheSame) {
    for (const bool fromMenu : {false, true}) {
        fill({"a@x", "b@x"});
        select(0);
        if (fromMenu) {
            choose(form1::File, form1::Clear);
        } else {
            press(form1::Command3);
        }
        EXPECT_EQ(rowsShown(), 0);
        EXPECT_EQ(form->addressList().SelectedIndex(), -1);
        EXPECT_EQ(text(form1::Label5), "0");
        EXPECT_EQ(text(form1::Label7), QStringLiteral("All addresses cleared.") +
                                           QString(113, QLatin1Char(' ')) +
                                           QStringLiteral("Click browse to begin."));
        EXPECT_EQ(text(form1::Text3), "a@x");
    }
}

TEST_F(Form1Fixture, SelectingAnEntryFillsTheClipboardBoxAndTheStatusLine) {
    fill({"a@x", "b@x", "c@x"});
    select(1);
    EXPECT_EQ(text(form1::Text3), "b@x");
    EXPECT_EQ(text(form1::Label7),
              QStringLiteral("Finished reading file, 3 e-mail addresses found.") +
                  QString(60, QLatin1Char(' ')) + QStringLiteral("Now Selected: 2 of 3"));
}

TEST_F(Form1Fixture, RemoveNameTakesOutTheSelectedEntryOnly) {
    fill({"a@x", "b@x", "c@x"});
    showActive();
    press(form1::delete_);  // nothing selected
    EXPECT_EQ(rowsShown(), 3);
    EXPECT_EQ(QApplication::focusWidget(), child(form1::List1));

    select(1);
    const QString status = text(form1::Label7);
    press(form1::delete_);
    EXPECT_EQ(entries(), (std::vector<std::string>{"a@x", "c@x"}));
    EXPECT_EQ(rowsShown(), 2);
    EXPECT_EQ(form->addressList().SelectedIndex(), -1);
    EXPECT_TRUE(child<QListView>(form1::List1)->selectionModel()->selectedRows().isEmpty());
    EXPECT_EQ(text(form1::Label5), "3");
    EXPECT_EQ(text(form1::Text3), "b@x");
    EXPECT_EQ(text(form1::Label7), status);
}

TEST_F(Form1Fixture, CtrlXInATextBoxEndsTheProgramInsteadOfCutting) {
    showActive();
    auto *clipboard = child<QLineEdit>(form1::Text3);
    clipboard->setFocus();
    clipboard->selectAll();
    QTest::keyClick(clipboard, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(endings, 1);
    EXPECT_EQ(clipboard->text(),
              "Select the e-mail address from the list below, then Copy & Paste from here.");
}

TEST_F(Form1Fixture, ByDomainChangesNothing) {
    fill({"a@x"});
    showActive();
    const QString status = text(form1::Label7);
    QTest::keyClick(child(form1::Text1), Qt::Key_D, Qt::ControlModifier);
    choose(form1::Group, form1::domain);
    EXPECT_EQ(text(form1::Label7), status);
    EXPECT_EQ(text(form1::Text1), "C:\\nk2export.csv");
    EXPECT_EQ(entries(), std::vector<std::string>{"a@x"});
    EXPECT_EQ(menuItem(form1::domain)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
}

TEST_F(Form1Fixture, ExitAndTheCloseBoxEndTheProgram) {
    choose(form1::File, form1::exit);
    EXPECT_EQ(endings, 1);
    EXPECT_EQ(menuItem(form1::exit)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
    form->close();
    EXPECT_EQ(endings, 2);
}

TEST_F(Form1Fixture, MenusInTheirOrder) {
    QStringList titles;
    for (QAction *menu : form->menuBar()->actions()) {
        titles << menu->text();
    }
    EXPECT_EQ(titles, (QStringList{"File", "Group", "Help"}));
    EXPECT_EQ(menuItem(form1::exit)->text(), "E&xit");
    EXPECT_EQ(menuItem(form1::Clear)->text(), "Clear List");
    EXPECT_EQ(menuItem(form1::Assistance)->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_F(Form1Fixture, ExportWritesTheListToThePathInTheBox) {
    fill({"a@x", "b@x"});
    const std::string path = dir.file("contacts.csv");
    typeOver(form1::Text1, QString::fromStdString(path));
    press(form1::Command2);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Confirm file export?");
    EXPECT_NE(readAll(path).find("\"a@x\",\"SMTP\",\"(a@x)\""), std::string::npos);
    EXPECT_EQ(text(form1::Label7),
              prefixed(55, "File successfully written to") + QString::fromStdString(path));
}

TEST_F(Form1Fixture, AnExportThatCannotBeWrittenSaysSoInRed) {
    fill({"a@x"});
    showActive();
    typeOver(form1::Text1, QString::fromStdString(dir.file("missing/contacts.csv")));
    QColor duringTheFlash;
    pauser.duringCall = pauser.calls + 2;  // the eight seconds
    pauser.during = [&] {
        duringTheFlash = child(form1::Label7)->palette().color(QPalette::Window);
    };
    press(form1::Command2);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(text(form1::Label7), prefixed(69, "Could not write the file! File NOT exported."));
    EXPECT_EQ(duringTheFlash, QColor(255, 0, 0));
    EXPECT_EQ(child(form1::Label7)->palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));
}

// The user does as the status line advises: during the red flash, another path and Export again.
TEST_F(Form1Fixture, AnExportDuringAFailuresFlashKeepsItsOwnReport) {
    fill({"a@x"});
    showActive();
    typeOver(form1::Text1, QString::fromStdString(dir.file("missing/contacts.csv")));
    const QString good = QString::fromStdString(dir.file("contacts.csv"));
    pauser.duringCall = pauser.calls + 2;  // the eight seconds
    pauser.during = [&] {
        typeOver(form1::Text1, good);
        press(form1::Command2);
    };
    press(form1::Command2);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(std::filesystem::exists(good.toStdString()));
    EXPECT_EQ(text(form1::Label7), prefixed(55, "File successfully written to") + good);
    EXPECT_EQ(child(form1::Label7)->palette().color(QPalette::Window), QColor(0, 0, 255));
}

TEST_F(Form1Fixture, TheCacheFileReadIsNeverExportedIntoWhateverTheBoxSaysNow) {
    fill({"a@x"});
    const std::string cache = dir.file("cache.NK2");
    const std::string before = readAll(cache);
    showActive();
    std::filesystem::create_directories(dir.file("sub"));
    typeOver(form1::Text2, QString::fromStdString(dir.file("elsewhere.NK2")));
    typeOver(form1::Text1, QString::fromStdString(dir.file("sub/../cache.NK2")));
    press(form1::Command2);
    EXPECT_EQ(text(form1::Label7), prefixed(69, "Could not write the file! File NOT exported."));
    EXPECT_EQ(readAll(cache), before);
}

TEST_F(Form1Fixture, ButtonsHaveTheirAccessKeys) {
    const std::pair<ControlName, Qt::Key> keys[] = {
        {form1::Command1, Qt::Key_B}, {form1::add, Qt::Key_A},      {form1::delete_, Qt::Key_R},
        {form1::Command3, Qt::Key_C}, {form1::Command2, Qt::Key_E},
    };
    for (const auto &[name, key] : keys) {
        EXPECT_EQ(child<QToolButton>(name)->shortcut(), QKeySequence(Qt::ALT | key)) << name.text();
        EXPECT_EQ(child<QToolButton>(name)->icon().availableSizes(),
                  (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {128, 128}}))
            << name.text();
    }
    EXPECT_EQ(form->windowIcon().availableSizes().size(), 4);
}

TEST_F(Form1Fixture, AnExportPathTypedOutsideTheCodePageNamesTheFileTyped) {
    fill({"a@x"});
    showActive();
    auto *box = child<QLineEdit>(form1::Text1);
    box->setFocus();
    box->selectAll();
    const QString folder = QString::fromStdString(dir.file("")) + QLatin1Char('/');
    QTest::keyClicks(box, folder);
    QInputMethodEvent composed;  // what an input method types for letters the keyboard lacks
    composed.setCommitString(QString::fromUtf8("Łódź-日本.csv"));
    QApplication::sendEvent(box, &composed);
    const QString typed = folder + QString::fromUtf8("Łódź-日本.csv");
    ASSERT_EQ(box->text(), typed);
    press(form1::Command2);
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(typed.toStdU16String())));
    EXPECT_FALSE(std::filesystem::exists(dir.file("") + "/?\xc3\xb3"
                                                        "d?-??.csv"));
    EXPECT_EQ(text(form1::Label7), prefixed(55, "File successfully written to") + typed);
}

// The same cache file exports the same bytes on every build of the program.
TEST_F(Form1Fixture, ScansTheSampleCacheAndExportsTheSampleContactFile) {
    const std::string data = RAVELO_TEST_DATA;
    chooser.answer = data + "/sample.NK2";
    press(form1::Command1);
    EXPECT_EQ(text(form1::Label7), "Finished reading file, 3 e-mail addresses found.");
    const std::string path = dir.file("contacts.csv");
    typeOver(form1::Text1, QString::fromStdString(path));
    press(form1::Command2);
    EXPECT_EQ(readAll(path), readAll(data + "/sample-export.csv"));
}

TEST_F(Form1Fixture, AReadErrorIsSaidAndWhatWasReadStays) {
    std::string bytes = "xSMTP:before@x\0\3"s;
    bytes.resize(64 * 1024, '.');
    bytes += "SMTP:after@x\0\3"s;
    openFile = [&](const FilePath &) { return std::make_unique<MemorySource>(bytes, 64 * 1024); };
    scan(bytes);
    EXPECT_EQ(text(form1::Label7), prefixed(90, "Could not read the whole file."));
    EXPECT_EQ(entries(), std::vector<std::string>{"before@x"});
    EXPECT_EQ(rowsShown(), 1);
    EXPECT_TRUE(child(form1::Command1)->isEnabled());
    EXPECT_TRUE(child(form1::Command2)->isEnabled());
}
