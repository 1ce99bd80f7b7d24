// Browse with Qt's own file dialog, which Qt shows where the desktop offers none of its own (the
// system's GTK dialog is tested in tests/desktop).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <QTimer>

#include <string>
#include <vector>

#include "qt/dialogs.h"
#include "support/browse_with.h"
#include "support/temp_dir.h"

using namespace ravelo;
using namespace ravelo::testing;

TEST(QtFileDialog, ShowsTheFilterWholeAndListsEveryCacheFileWhateverTheCaseOfItsName) {
    TempDir appData;
    fillOutlookFolder(appData, {"Outlook.NK2", "outlook.nk2", "Archive.Nk2", "notes.txt"});
    QString filterShown;
    std::vector<std::string> listed;
    QElapsedTimer waited;
    waited.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        const auto *view = dialog->findChild<QListView *>("listView");
        ASSERT_NE(view, nullptr);
        listed.clear();
        const QModelIndex folder = view->rootIndex();
        for (int row = 0; row < view->model()->rowCount(folder); ++row) {
            listed.push_back(view->model()->index(row, 0, folder).data().toString().toStdString());
        }
        if (listed.size() < 3 && waited.elapsed() < 10000) {
            return;
        }
        filterShown = dialog->findChild<QComboBox *>("fileTypeCombo")->currentText();
        poll.stop();
        dialog->reject();
    });
    poll.start(50);
    DialogFileChooser chooser(nullptr);
    browseWith(chooser, appData);
    EXPECT_EQ(filterShown, "NK2 Files (*.NK2)");
    EXPECT_THAT(listed,
                ::testing::UnorderedElementsAre("Outlook.NK2", "outlook.nk2", "Archive.Nk2"));
}

// What the README tells a user of a cache that the filter hides (the stream of a later Outlook):
// its full path typed into the file name box, and Enter, opens it.
TEST(QtFileDialog, AFileTheFilterHidesIsOpenedByItsPathTyped) {
    TempDir appData;
    const std::string stream = "Microsoft/Outlook/Stream_Autocomplete_0_1A2B.dat";
    fillOutlookFolder(appData, {"Outlook.NK2"});
    appData.write(stream, std::string("xSMTP:bob@example.org\0\3", 23));
    // Typed again until the box holds it whole (the dialog may fill it in as it settles), then
    // Enter; the dialog is given up after 10 s rather than left open.
    const QString typed = QString::fromStdString(appData.file(stream));
    QElapsedTimer waited;
    waited.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) {
            return;
        }
        auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        if (waited.elapsed() > 10000) {
            dialog->reject();
        } else if (name->text() != typed) {
            name->clear();
            QTest::keyClicks(name, typed);
        } else {
            QTest::keyClick(name, Qt::Key_Return);
        }
    });
    poll.start(100);
    DialogFileChooser chooser(nullptr);
    EXPECT_EQ(browseWith(chooser, appData), std::vector<std::string>{"bob@example.org"});
}
