#include "scan/browse_command.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "addresses/list_commands.h"
#include "support/cache_file.h"
#include "support/fakes.h"
#include "support/memory_source.h"
#include "support/temp_dir.h"

using namespace ravelo;
using namespace ravelo::testing;
using namespace std::string_literals;

namespace {

std::string prefixed(int spaces, const std::string &tail) {
    return "Ravelo version .06 beta" + std::string(spaces, ' ') + tail;
}

const std::string kBrowsing = prefixed(108, "Browsing for File...");
const std::string kStartUp = prefixed(110, "Click browse to begin.");

std::vector<std::string> waitingSet() {
    std::vector<std::string> set;
    for (const char *dots : {"", ".", "..", "..."}) {
        set.push_back("Label7: " + prefixed(89, "Please wait while reading file"s + dots));
        set.push_back("pause 0.0416666679");
    }
    return set;
}

struct BrowseFixture : ::testing::Test {
    Log log;
    FakeButton browse{log, form1::Command1};
    FakeButton exportButton{log, form1::Command2};
    FakeLabel status{log, form1::Label7};
    FakeLabel countLabel{log, form1::Label5};
    FakeTextBox cachePath{"start"};
    AddressList list;
    FakePauser pauser{log};
    FakeChooser chooser;
    Services services{.chooser = &chooser,
                      .pauser = &pauser,
                      .specialFolder = [](std::span<char> buffer, std::int16_t) {
                          std::strcpy(buffer.data(), "C:\\Roaming");
                          return true;
                      }};
    std::vector<FileIdentity> cacheFilesRead;
    BrowseControls controls{browse,    exportButton, status,        countLabel,
                            cachePath, list,         cacheFilesRead};
    TempDir dir;

    // Runs Browse on a file with these bytes and returns the log without the label5 lines.
    void browseBytes(const std::string &bytes) {
        chooser.answer = dir.write("cache.NK2", bytes);
        Browse(controls, services);
    }
    std::vector<std::string> entries() const {
        std::vector<std::string> all;
        for (int i = 0; i < list.Count(); ++i) {
            all.push_back(list.ItemAt(i));
        }
        return all;
    }
};

}  // namespace

TEST_F(BrowseFixture, FileWithoutAddressesShowsOneWaitAndReportsZero) {
    browseBytes("no markers here");
    std::vector<std::string> expected = {"Command1 disabled", "Command2 disabled",
                                         "Label7: " + kBrowsing};
    for (const std::string &line : waitingSet()) {
        expected.push_back(line);
    }
    expected.insert(expected.end(), {"Command1 enabled", "Command2 enabled",
                                     "Label7: Finished reading file, 0 e-mail addresses found."});
    EXPECT_EQ(log, expected);
    EXPECT_EQ(cachePath.writes, 0);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(BrowseFixture, EachAddressIsFollowedByItsCountAndPathThenTheNextWait) {
    browseBytes("xSMTP:ann@example.org\0\3SMTP:bob\3"s);
    std::vector<std::string> expected = {"Command1 disabled", "Command2 disabled",
                                         "Label7: " + kBrowsing};
    for (const char *count : {"1", "2"}) {
        for (const std::string &line : waitingSet()) {
            expected.push_back(line);
        }
        expected.push_back("Label5: "s + count);
    }
    for (const std::string &line : waitingSet()) {
        expected.push_back(line);
    }
    expected.insert(expected.end(), {"Command1 enabled", "Command2 enabled",
                                     "Label7: Finished reading file, 2 e-mail addresses found."});
    EXPECT_EQ(log, expected);
    EXPECT_EQ(entries(), (std::vector<std::string>{"ann@example.org", "bob\3"}));
    EXPECT_EQ(cachePath.value, *chooser.answer);
}

TEST_F(BrowseFixture, AsksForTheCacheFileAtItsUsualPlace) {
    browseBytes("");
    ASSERT_EQ(chooser.requests.size(), 1u);
    const OpenFileRequest &request = chooser.requests[0];
    EXPECT_EQ(request.title, "Choose your NK2 file.");
    EXPECT_EQ(request.filterName, "NK2 Files (*.NK2)");
    EXPECT_EQ(request.filterPattern, "*.NK2");
    EXPECT_EQ(request.startPath, "C:\\Roaming\\Microsoft\\Outlook\\Outlook.NK2");
}

TEST_F(BrowseFixture, StopsAfterAThousandAddresses) {
    std::string bytes = "x";
    for (int i = 0; i < 1001; ++i) {
        bytes += "SMTP:" + std::to_string(i) + "\0\3"s;
    }
    browseBytes(bytes);
    EXPECT_EQ(list.Count(), 1000);
    EXPECT_EQ(list.ItemAt(999), "999");
    EXPECT_EQ(pauser.calls, 4 * 1000);
    EXPECT_EQ(log.back(), "Label7: Finished reading file, 1000 e-mail addresses found.");
}

TEST_F(BrowseFixture, ASecondRunAppendsAndCountsOnlyItsOwn) {
    list.Append("old");
    browseBytes("xSMTP:new\0\3"s);
    EXPECT_EQ(entries(), (std::vector<std::string>{"old", "new"}));
    EXPECT_EQ(countLabel.caption, "2");
    EXPECT_EQ(status.caption, "Finished reading file, 1 e-mail addresses found.");
}

TEST_F(BrowseFixture, CancelLeavesEverythingAsItWas) {
    list.Append("kept");
    chooser.answer.reset();
    Browse(controls, services);
    EXPECT_EQ(log, (std::vector<std::string>{"Command1 disabled", "Command2 disabled",
                                             "Label7: " + kBrowsing, "Label7: " + kStartUp,
                                             "Command1 enabled", "Command2 enabled"}));
    EXPECT_EQ(entries(), std::vector<std::string>{"kept"});
    EXPECT_EQ(cachePath.writes, 0);
}

TEST_F(BrowseFixture, AMissingFileReadsAsEmptyAndIsNotCreated) {
    chooser.answer = dir.file("typed-name.NK2");
    Browse(controls, services);
    EXPECT_EQ(status.caption, "Finished reading file, 0 e-mail addresses found.");
    EXPECT_FALSE(std::filesystem::exists(*chooser.answer));
}

TEST_F(BrowseFixture, AFileThatCannotBeOpenedIsNotScanned) {
    std::vector<std::filesystem::path> unreadable = {dir.file("")};  // the folder itself
#ifndef _WIN32
    const std::string fifo = dir.file("pipe.NK2");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    unreadable.insert(unreadable.end(), {fifo, "/dev/zero", "/dev/urandom"});  // nothing waits
#endif
    list.Append("kept");
    for (const std::filesystem::path &path : unreadable) {
        chooser.answer = path;
        Browse(controls, services);
        EXPECT_EQ(pauser.calls, 0) << path;
        EXPECT_TRUE(browse.enabled);
        EXPECT_TRUE(exportButton.enabled);
        EXPECT_EQ(entries(), std::vector<std::string>{"kept"});
        EXPECT_EQ(status.caption, prefixed(89, "Could not open the chosen file.")) << path;
    }
}

TEST_F(BrowseFixture, ScanningNeverChangesTheFile) {
    const std::string bytes = "xSMTP:a\0\3SMTP:b\3"s;
    browseBytes(bytes);
    EXPECT_EQ(readAll(*chooser.answer), bytes);
}

TEST_F(BrowseFixture, ClearListDuringAPauseEmptiesTheListAndTheScanGoesOn) {
    FakeListBox listBox;
    FakeTextBox clipboard;
    ListControls listControls{list, listBox, status, countLabel, clipboard};
    pauser.duringCall = 5;  // in the pass after the first address
    pauser.during = [&] { ClearList(listControls); };
    browseBytes("xSMTP:a\0\3SMTP:b\0\3SMTP:c\0\3"s);
    EXPECT_EQ(entries(), (std::vector<std::string>{"b", "c"}));
    EXPECT_EQ(countLabel.caption, "2");
    EXPECT_EQ(status.caption, "Finished reading file, 3 e-mail addresses found.");
}

TEST_F(BrowseFixture, BrowseDuringARunningScanIsIgnored) {
    pauser.duringCall = 2;
    pauser.during = [&] { Browse(controls, services); };
    browseBytes("xSMTP:a\0\3"s);
    EXPECT_EQ(chooser.requests.size(), 1u);
    EXPECT_EQ(entries(), std::vector<std::string>{"a"});
}

TEST_F(BrowseFixture, AFullListEndsTheScan) {
    for (int i = 0; i < AddressList::kMaxCount - 1; ++i) {
        list.Append("x");
    }
    browseBytes("xSMTP:a\0\3SMTP:b\0\3"s);
    EXPECT_EQ(list.Count(), AddressList::kMaxCount);
    EXPECT_EQ(list.ItemAt(AddressList::kMaxCount - 1), "a");
    EXPECT_EQ(status.caption, prefixed(103, "The list is full."));
    EXPECT_TRUE(browse.enabled);
    EXPECT_TRUE(exportButton.enabled);
}

// A disk that fails part-way: what was read before stays, and the scan says it could not read
// the whole file; an error at the very end is still an error, and the end of a file is no error.
TEST_F(BrowseFixture, AReadErrorIsSaidAndKeepsWhatWasReadBeforeIt) {
    std::string bytes = "xSMTP:before@x\0\3"s;
    bytes.resize(64 * 1024, '.');
    bytes += "SMTP:after@x\0\3"s;
    const struct {
        std::uint64_t failAt;
        std::vector<std::string> entries;
        std::string said;
    } cases[] = {
        {64 * 1024, {"before@x"}, prefixed(90, "Could not read the whole file.")},
        {0, {}, prefixed(90, "Could not read the whole file.")},
        {bytes.size(), {"before@x", "after@x"}, prefixed(90, "Could not read the whole file.")},
        {UINT64_MAX, {"before@x", "after@x"}, "Finished reading file, 2 e-mail addresses found."},
    };
    for (const auto &c : cases) {
        list.RemoveAll();
        services.openFile = [&](const FilePath &) {
            return std::make_unique<MemorySource>(bytes, c.failAt);
        };
        chooser.answer = dir.file("failing.NK2");
        Browse(controls, services);
        EXPECT_EQ(entries(), c.entries) << c.failAt;
        EXPECT_EQ(status.caption, c.said) << c.failAt;
        EXPECT_TRUE(browse.enabled && exportButton.enabled) << c.failAt;
    }
}

// A cache whose rows the marker scan sees in part: its addresses first, then the rows' own, each
// once; every row address has its waiting texts, its count and its path like a marker's.
TEST_F(BrowseFixture, TheRowsAddWhatTheMarkerCannotSeeOnceAfterTheMarkersAddresses) {
    browseBytes(cacheBytes({.rows = {
                                exchangeRow(u"Ann@Example.org"),
                                smtpRow("ann@example.org"),
                                keylessRow(u"bob@example.org"),
                                exchangeRow(u"BOB@example.org"),
                                smtpRow("ann@example.org"),
                            }}));
    EXPECT_EQ(entries(),
              (std::vector<std::string>{"ANN@EXAMPLE.ORG", "ANN@EXAMPLE.ORG", "bob@example.org"}));
    EXPECT_EQ(pauser.calls, 4 * 4);
    EXPECT_EQ(countLabel.caption, "3");
    EXPECT_EQ(status.caption, "Finished reading file, 3 e-mail addresses found.");
}

TEST_F(BrowseFixture, OneRunAddsAThousandOverTheMarkersAndTheRowsTogether) {
    const auto rows = [](int markers) {
        CacheFile cache;
        for (int i = 0; i < markers; ++i) {
            cache.rows.push_back(smtpRow(std::to_string(i) + "@x.org"));
        }
        cache.rows.push_back(keylessRow(u"row1@x.org"));
        cache.rows.push_back(keylessRow(u"row2@x.org"));
        return cacheBytes(cache);
    };
    const struct {
        int markers;
        std::string last;
    } cases[] = {{999, "row1@x.org"}, {1000, "999@X.ORG"}};
    for (const auto &c : cases) {
        list.RemoveAll();
        browseBytes(rows(c.markers));
        EXPECT_EQ(list.Count(), 1000) << c.markers;
        EXPECT_EQ(list.ItemAt(999), c.last) << c.markers;
        EXPECT_EQ(status.caption, "Finished reading file, 1000 e-mail addresses found.");
    }
}

TEST_F(BrowseFixture, AListThatFillsDuringTheRowsEndsTheScan) {
    for (int i = 0; i < AddressList::kMaxCount - 1; ++i) {
        list.Append("x");
    }
    browseBytes(cacheBytes({.rows = {keylessRow(u"a@x.org"), keylessRow(u"b@x.org")}}));
    EXPECT_EQ(list.ItemAt(AddressList::kMaxCount - 1), "a@x.org");
    EXPECT_EQ(status.caption, prefixed(103, "The list is full."));
}

TEST_F(BrowseFixture, RowAddressesTheCodePageCannotHoldAreLeftOutAndSaid) {
    browseBytes(cacheBytes({.rows = {exchangeRow(u"\u7528@example.cn"), keylessRow(u"a@x.org"),
                                     keylessRow(u"\u00f8\u0142@x.org")}}));
    EXPECT_EQ(entries(), std::vector<std::string>{"a@x.org"});
    EXPECT_EQ(status.caption,
              "Finished reading file, 1 e-mail addresses found, 2 left out for letters the list "
              "cannot hold.");
}
