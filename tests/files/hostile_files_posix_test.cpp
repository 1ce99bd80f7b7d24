// Files and paths that are not what a cache or a contact file should be: devices, FIFOs, names
// outside the code page, links, the cache file itself, and a full file system.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "export/export_fixture.h"
#include "files/append_file.h"
#include "files/append_steps.h"
#include "files/byte_file.h"

using namespace ravelo;
using namespace ravelo::testing;
namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

std::vector<std::string> namesIn(const fs::path &folder) {
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(HostileFiles, DevicesAndFifosAreNeitherReadNorWrittenAndNothingWaits) {
    TempDir dir;
    const fs::path fifo = dir.file("pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const fs::path &path : {fifo, fs::path("/dev/zero"), fs::path("/dev/urandom")}) {
        EXPECT_EQ(ByteFile::open(path), nullptr) << path;
    }
    for (const fs::path &path : {fifo, fs::path("/dev/null"), fs::path("/dev/full")}) {
        EXPECT_FALSE(appendWhole(path, "x\r\n")) << path;
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST(HostileFiles, NamesOutsideTheCodePageNameTheirOwnFile) {
    TempDir dir;
    const fs::path folder = dir.file("");
    std::ofstream(folder / u8"\u0141\u00f3d\u017a.NK2", std::ios::binary) << "xSMTP:real@x";
    std::ofstream(folder /
                      "?\xc3\xb3"
                      "d?.NK2",
                  std::ios::binary)
        << "xSMTP:other@x";
    auto file = ByteFile::open(folder / u8"\u0141\u00f3d\u017a.NK2");
    ASSERT_TRUE(file);
    char out[6];
    ASSERT_EQ(file->readAt(6, out, sizeof out), sizeof out);
    EXPECT_EQ(std::string(out, sizeof out), "real@x") << "not the file of a look-alike name";

    EXPECT_TRUE(appendWhole(folder / u8"\u0141\u00f3d\u017a-\u65e5\u672c.csv", "x\r\n"));
    EXPECT_EQ(readAll((folder / u8"\u0141\u00f3d\u017a-\u65e5\u672c.csv").string()), "x\r\n");
    EXPECT_FALSE(fs::exists(folder / "?\xc3\xb3"
                                     "d?-??.csv"));
}

TEST(HostileFiles, AnExportAddsToTheFileItselfThroughALinkAndKeepsItsPermissions) {
    TempDir dir;
    const fs::path real = dir.write("contacts.csv", "old\r\n");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const fs::path link = dir.file("link.csv");
    fs::create_symlink(real, link);
    ASSERT_TRUE(appendWhole(link, "new\r\n"));
    EXPECT_TRUE(fs::is_symlink(link)) << "the link still names the file";
    EXPECT_EQ(readAll(real.string()), "old\r\nnew\r\n");
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(namesIn(dir.file("")), (std::vector<std::string>{"contacts.csv", "link.csv"}))
        << "nothing beside it";

    const fs::path second = dir.file("second-name.csv");
    fs::create_hard_link(real, second);
    ASSERT_TRUE(appendWhole(second, "more\r\n"));
    EXPECT_EQ(readAll(real.string()), "old\r\nnew\r\nmore\r\n") << "every name sees the export";
}

TEST_F(ExportFixture, TheCacheFileIsNeverWrittenIntoWhateverItsSpelling) {
    fill({"a@x"});
    const std::string cache = "xSMTP:a@x\0\3"s;
    cachePath.value = dir.write("Outlook.NK2", cache);
    fs::create_symlink(cachePath.value, dir.file("other-name.NK2"));
    for (const std::string &spelling :
         {cachePath.value, "  " + dir.file("") + "/./Outlook.NK2", dir.file("other-name.NK2")}) {
        log.clear();
        exportPath.value = spelling;
        Export(controls, services);
        EXPECT_EQ(log, notExported(1)) << spelling << ": said so";
    }
    EXPECT_EQ(readAll(cachePath.value), cache);
    exportPath.value = dir.file("contacts.csv");
    Export(controls, services);
    EXPECT_NE(readAll(exportPath.value), "") << "any other file is written";
}

// Needs the right to mount, which a test run as root has; skipped elsewhere.
TEST_F(ExportFixture, AFailedExportOnAFullFileSystemLeavesNoNewFile) {
    const fs::path small = dir.file("small");
    fs::create_directories(small);
    if (mount("tmpfs", small.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "no small file system can be made here";
    }
    struct Unmount {
        const fs::path &folder;
        ~Unmount() { umount(folder.c_str()); }
    } unmount{small};
    for (int i = 0; i < 2000; ++i) {
        list.Append("somebody" + std::to_string(i) + "@example.org");
    }
    exportPath.value = (small / "contacts.csv").string();
    Export(controls, services);
    EXPECT_EQ(log, notExported(2000));
    EXPECT_TRUE(namesIn(small).empty());
    std::ofstream(small / "kept.csv") << "kept\r\n";
    exportPath.value = (small / "kept.csv").string();
    Export(controls, services);
    EXPECT_EQ(readAll(exportPath.value), "kept\r\n");
    EXPECT_EQ(namesIn(small), std::vector<std::string>{"kept.csv"});
}

// A link that another user planted in a shared sticky folder such as /tmp is not followed,
// whatever the kernel's protected_symlinks says; any other link is. Giving a link to another
// user needs root; skipped elsewhere.
TEST(HostileFiles, ALinkPlantedInASharedFolderIsNotFollowed) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can give a link to another user";
    }
    constexpr uid_t kOther = 65534;
    const struct {
        const char *name;
        mode_t folderMode;
        uid_t folderOwner, linkOwner;
        bool followed;
    } cases[] = {
        {"another user's link in a sticky shared folder", 01777, 0, kOther, false},
        {"my own link there", 01777, 0, 0, true},
        {"the folder owner's link there", 01777, kOther, kOther, true},
        {"another user's link in a folder that is not sticky", 0777, 0, kOther, true},
    };
    for (const auto &c : cases) {
        TempDir dir;
        const fs::path victim = dir.write("victim.csv", "mine\r\n");
        const fs::path shared = dir.file("shared");
        fs::create_directory(shared);
        ASSERT_EQ(::chmod(shared.c_str(), c.folderMode), 0);
        ASSERT_EQ(::chown(shared.c_str(), c.folderOwner, 0), 0);
        fs::create_symlink(victim, shared / "contacts.csv");
        ASSERT_EQ(::lchown((shared / "contacts.csv").c_str(), c.linkOwner, 0), 0);
        EXPECT_EQ(appendWhole(shared / "contacts.csv", "new\r\n"), c.followed) << c.name;
        EXPECT_EQ(readAll(victim.string()), c.followed ? "mine\r\nnew\r\n" : "mine\r\n") << c.name;
        EXPECT_TRUE(fs::is_symlink(shared / "contacts.csv")) << c.name;
    }
}

// Another user changes the shared folder right after the export's first look at the path: the
// export works on what it looked at, or fails, and never writes where the other user points.
TEST(HostileFiles, ANameSwappedForALinkAfterTheFirstLookIsNeverFollowed) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can give a link to another user";
    }
    constexpr uid_t kOther = 65534;
    const auto plantLink = [](const fs::path &target, const fs::path &link) {
        fs::create_symlink(target, link);
        ASSERT_EQ(::lchown(link.c_str(), kOther, kOther), 0);
    };
    const struct {
        const char *name;
        bool fileThere;   // race.csv exists before the export
        bool swapFolder;  // the folder on the way is swapped, not the file
        bool exported;
    } cases[] = {
        {"the file swapped for a link to mine", true, false, false},
        {"a link put where no file was", false, false, false},
        {"the folder on the way swapped for a link to mine", true, true, true},
    };
    for (const auto &c : cases) {
        TempDir dir;
        const fs::path victim = dir.write("victim.csv", "mine\r\n");
        const fs::path shared = dir.file("shared");
        fs::create_directories(shared / "sub");
        ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
        ASSERT_EQ(::chmod((shared / "sub").c_str(), 01777), 0);
        const fs::path race = shared / "sub" / "race.csv";
        if (c.fileThere) {
            dir.write("shared/sub/race.csv", "theirs\r\n");
        }
        append_steps::afterFirstLook = [&] {
            if (c.swapFolder) {
                fs::rename(shared / "sub", shared / "moved");
                plantLink(victim.parent_path(), shared / "sub");
            } else {
                fs::remove(race);
                plantLink(victim, race);
            }
        };
        const bool exported = appendWhole(race, "new\r\n");
        append_steps::afterFirstLook = nullptr;
        EXPECT_EQ(exported, c.exported) << c.name;
        EXPECT_EQ(readAll(victim.string()), "mine\r\n") << c.name;
        if (c.swapFolder) {
            EXPECT_EQ(readAll((shared / "moved" / "race.csv").string()), "theirs\r\nnew\r\n");
            EXPECT_FALSE(fs::exists(victim.parent_path() / "race.csv")) << c.name;
        } else {
            EXPECT_TRUE(fs::is_symlink(race)) << c.name;
        }
    }
}

// The path is walked as the kernel walks it: "..", links relative to their folder, at most 40
// links, and no file taken for a folder nor a folder's name for a file.
TEST(HostileFiles, PathsAreWalkedAsTheKernelWalksThem) {
    TempDir dir;
    fs::create_directories(dir.file("a/b"));
    dir.write("a/file", "x");
    fs::create_symlink("b", dir.file("a/to-b"));
    fs::create_symlink("loop", dir.file("a/loop"));
    const struct {
        const char *path;
        const char *written;  // where the export lands, or nothing
    } cases[] = {
        {"a/b/../c.csv", "a/c.csv"},    {"a/to-b/d.csv", "a/b/d.csv"},
        {"a/to-b/../e.csv", "a/e.csv"}, {"a/./b/./f.csv", "a/b/f.csv"},
        {"a/loop/g.csv", nullptr},      {"a/file/h.csv", nullptr},
        {"a/missing/i.csv", nullptr},   {"a/b/..", nullptr},
        {"a/b/j.csv/", nullptr},  // a folder's name, whatever is there
    };
    for (const auto &c : cases) {
        const bool exported = appendWhole(dir.file(c.path), "new\r\n");
        EXPECT_EQ(exported, c.written != nullptr) << c.path;
        if (c.written != nullptr) {
            EXPECT_EQ(readAll(dir.file(c.written)), "new\r\n") << c.path;
        }
    }
    EXPECT_FALSE(fs::exists(dir.file("a/b/j.csv")));
}

// A read that fails is told from the end of a file. The kernel's view of this process's memory
// is a regular file whose first page is never mapped: reading it fails with EIO, as a bad
// sector does.
TEST(HostileFiles, AFailingReadIsNoEndOfFile) {
    char out[16];
    auto failing = ByteFile::open("/proc/self/mem");
    ASSERT_TRUE(failing);
    EXPECT_EQ(failing->readAt(0, out, sizeof out), 0u);
    EXPECT_TRUE(failing->failed());

    TempDir dir;
    auto whole = ByteFile::open(dir.write("short.NK2", "abc"));
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->readAt(1, out, sizeof out), 2u);
    EXPECT_EQ(whole->readAt(99, out, sizeof out), 0u);
    EXPECT_FALSE(whole->failed());
}
