// Browse on a GNOME desktop: Qt's GTK platform theme hands the file dialog to GTK, whose filter
// patterns match letter case by letter case. The test runs the real Browse command with the
// real dialog on a display, reads the file names that GTK's own file list shows, and cancels.
#include <gtk/gtk.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstring>
#include <string>
#include <vector>

#include "qt/dialogs.h"
#include "support/browse_with.h"
#include "support/temp_dir.h"

namespace ravelo::testing {
namespace {

GtkWidget *shownFileDialog() {
    GtkWidget *found = nullptr;
    GList *windows = gtk_window_list_toplevels();
    for (GList *window = windows; window != nullptr; window = window->next) {
        auto *widget = static_cast<GtkWidget *>(window->data);
        if (GTK_IS_FILE_CHOOSER_DIALOG(widget) && gtk_widget_get_visible(widget)) {
            found = widget;
        }
    }
    g_list_free(windows);
    return found;
}

void collectTreeViews(GtkWidget *widget, std::vector<GtkTreeView *> &views) {
    if (GTK_IS_TREE_VIEW(widget)) {
        views.push_back(GTK_TREE_VIEW(widget));
    }
    if (GTK_IS_CONTAINER(widget)) {
        // Every child, the dialog's own inner ones included.
        gtk_container_forall(
            GTK_CONTAINER(widget),
            [](GtkWidget *child, gpointer found) {
                collectTreeViews(child, *static_cast<std::vector<GtkTreeView *> *>(found));
            },
            &views);
    }
}

// The names in the dialog's file list: the rows that its file system model shows (those that
// the filter lets through), whose first column is the name.
std::vector<std::string> listedNames(GtkWidget *dialog) {
    std::vector<GtkTreeView *> views;
    collectTreeViews(dialog, views);
    std::vector<std::string> names;
    for (GtkTreeView *view : views) {
        GtkTreeModel *model = gtk_tree_view_get_model(view);
        if (model == nullptr || std::strcmp(G_OBJECT_TYPE_NAME(model), "GtkFileSystemModel") != 0 ||
            gtk_tree_model_get_column_type(model, 0) != G_TYPE_STRING) {
            continue;
        }
        GtkTreeIter row;
        for (gboolean more = gtk_tree_model_get_iter_first(model, &row); more;
             more = gtk_tree_model_iter_next(model, &row)) {
            gchar *name = nullptr;
            gtk_tree_model_get(model, &row, 0, &name, -1);
            if (name != nullptr) {
                names.emplace_back(name);
                g_free(name);
            }
        }
    }
    return names;
}

struct Browsed {
    bool dialogShown = false;
    std::string filterName;
    std::vector<std::string> listed;
};

// Browses with the system's dialog in a folder holding `files`; reads GTK's list once it has
// shown `expected` names (or after 10 s) and cancels the dialog.
Browsed browseIn(const std::vector<std::string> &files, std::size_t expected) {
    TempDir appData;
    fillOutlookFolder(appData, files);
    Browsed browsed;
    QElapsedTimer waited;
    waited.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        GtkWidget *dialog = shownFileDialog();
        if (dialog == nullptr) {
            return;
        }
        browsed.dialogShown = true;
        browsed.listed = listedNames(dialog);
        if (browsed.listed.size() < expected && waited.elapsed() < 10000) {
            return;
        }
        if (GtkFileFilter *filter = gtk_file_chooser_get_filter(GTK_FILE_CHOOSER(dialog))) {
            browsed.filterName = gtk_file_filter_get_name(filter);
        }
        poll.stop();
        gtk_dialog_response(GTK_DIALOG(dialog), GTK_RESPONSE_CANCEL);
    });
    poll.start(50);
    DialogFileChooser chooser(nullptr);
    browseWith(chooser, appData);
    return browsed;
}

TEST(GtkFileDialog, ListsEveryCacheFileWhateverTheCaseOfItsName) {
    const Browsed browsed =
        browseIn({"Outlook.NK2", "outlook.nk2", "Archive.Nk2", "notes.txt", "contacts.csv"}, 3);
    ASSERT_TRUE(browsed.dialogShown) << "GTK's file dialog was not shown";
    EXPECT_THAT(browsed.listed,
                ::testing::UnorderedElementsAre("Outlook.NK2", "outlook.nk2", "Archive.Nk2"));
    // GTK shows the filter's name without its pattern, as it did before.
    EXPECT_EQ(browsed.filterName, "NK2 Files ");
}

// What the README tells a user of a cache that the filter hides (the stream of a later Outlook):
// typing its path, which opens GTK's location box as the first letter does, then Enter.
TEST(GtkFileDialog, AFileTheFilterHidesIsOpenedByItsPathTyped) {
    TempDir appData;
    fillOutlookFolder(appData, {"Outlook.NK2"});
    const std::string stream = appData.write("Microsoft/Outlook/Stream_Autocomplete_0_1A2B.dat",
                                             std::string("xSMTP:bob@example.org\0\3", 23));
    bool typed = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        GtkWidget *dialog = shownFileDialog();
        if (dialog == nullptr) {
            return;
        }
        poll.stop();
        GtkWidget *chooser = nullptr;
        gtk_container_forall(
            GTK_CONTAINER(gtk_dialog_get_content_area(GTK_DIALOG(dialog))),
            [](GtkWidget *child, gpointer found) {
                if (GTK_IS_FILE_CHOOSER_WIDGET(child)) {
                    *static_cast<GtkWidget **>(found) = child;
                }
            },
            &chooser);
        ASSERT_NE(chooser, nullptr);
        g_signal_emit_by_name(chooser, "location-popup", stream.c_str());
        GtkWidget *entry = gtk_window_get_focus(GTK_WINDOW(dialog));
        ASSERT_TRUE(entry != nullptr && GTK_IS_ENTRY(entry));
        typed = gtk_entry_get_text(GTK_ENTRY(entry)) == stream;
        gtk_widget_activate(entry);
    });
    poll.start(50);
    DialogFileChooser chooser(nullptr);
    EXPECT_EQ(browseWith(chooser, appData), std::vector<std::string>{"bob@example.org"});
    EXPECT_TRUE(typed);
}

}  // namespace
}  // namespace ravelo::testing

int main(int argc, char **argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
