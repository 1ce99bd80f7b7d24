// An export adds its lines to the file itself: the file keeps its owner, group, mode, ACL,
// attributes, names and the lines that other programs add, and shared folders keep their rules.
// The tests that need another user or a mount run as root and are skipped elsewhere.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "files/append_file.h"
#include "support/cache_file.h"
#include "support/temp_dir.h"

using namespace ravelo;
using namespace ravelo::testing;
namespace fs = std::filesystem;

namespace {

constexpr uid_t kOwner = 23001;
constexpr uid_t kColleague = 23002;
constexpr gid_t kTeam = 23000;

// Runs `work` in a child process as `uid` in the group `gid`; true when it returned true.
bool runAs(uid_t uid, gid_t gid, const std::function<bool()> &work) {
    const pid_t child = ::fork();
    if (child == 0) {
        const bool ok = ::setgroups(1, &gid) == 0 && ::setgid(gid) == 0 && ::setuid(uid) == 0;
        ::_exit(ok && work() ? 0 : 1);
    }
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string attribute(const fs::path &file, const char *name) {
    char value[256];
    const ssize_t n = ::getxattr(file.c_str(), name, value, sizeof value);
    return n < 0 ? std::string() : std::string(value, static_cast<std::size_t>(n));
}

// A POSIX ACL as the kernel keeps it in its attribute: the owner, one named user, the group,
// the mask and the others, each with their rights.
std::string aclGiving(uid_t named, std::uint16_t namedRights) {
    const auto entry = [](std::uint16_t tag, std::uint16_t rights, std::uint32_t id) {
        return std::string{static_cast<char>(tag), static_cast<char>(tag >> 8),
                           static_cast<char>(rights), 0} +
               le32(id);
    };
    return le32(2) + entry(0x01, 6, UINT32_MAX) + entry(0x02, namedRights, named) +
           entry(0x04, 6, UINT32_MAX) + entry(0x10, 6, UINT32_MAX) + entry(0x20, 0, UINT32_MAX);
}

}  // namespace

TEST(AppendInPlace, AColleaguesExportKeepsTheFileItsOwnersWithItsModeAclAndAttributes) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root, to act as two users";
    }
    TempDir dir;
    ASSERT_EQ(::chmod(dir.file("").c_str(), 0777), 0);
    const fs::path file = dir.write("team.csv", "old\r\n");
    ASSERT_EQ(::chown(file.c_str(), kOwner, kTeam), 0);
    ASSERT_EQ(::chmod(file.c_str(), 0660), 0);
    const std::string acl = aclGiving(kColleague + 1, 4);
    const bool acls =
        ::setxattr(file.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0) == 0;
    ASSERT_EQ(::setxattr(file.c_str(), "user.note", "kept", 4, 0), 0);
    struct stat before {};
    ASSERT_EQ(::stat(file.c_str(), &before), 0);

    EXPECT_TRUE(runAs(kColleague, kTeam, [&] { return appendWhole(file, "new\r\n"); }));
    struct stat after {};
    ASSERT_EQ(::stat(file.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_uid, kOwner);
    EXPECT_EQ(after.st_gid, kTeam);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(attribute(file, "user.note"), "kept");
    if (acls) {
        EXPECT_EQ(attribute(file, "system.posix_acl_access"), acl);
    }
    EXPECT_TRUE(runAs(kOwner, kOwner, [&] { return readAll(file) == "old\r\nnew\r\n"; }))
        << "its owner reads the file whole";

    // A new file takes what the folder's default ACL gives, as any new file there does.
    const fs::path folder = dir.file("shared-acl");
    fs::create_directory(folder);
    const std::string inherited = aclGiving(kColleague, 6);
    if (::setxattr(folder.c_str(), "system.posix_acl_default", inherited.data(), inherited.size(),
                   0) != 0) {
        GTEST_SKIP() << "this file system keeps no ACLs";
    }
    ASSERT_TRUE(appendWhole(folder / "new.csv", "new\r\n"));
    EXPECT_NE(attribute(folder / "new.csv", "system.posix_acl_access"), "");
}

// Another program appending with O_APPEND the whole time, and two exports at once: every one of
// its lines stays, and both exports land whole, one after the other.
TEST(AppendInPlace, OtherWritersLinesAndASecondExportAllStay) {
    TempDir dir;
    const fs::path file = dir.write("contacts.csv", "");
    std::string exported;
    for (int i = 0; i < 20000; ++i) {
        exported += "export line " + std::to_string(i) + "\r\n";
    }
    const pid_t writer = ::fork();
    if (writer == 0) {
        const int fd = ::open(file.c_str(), O_WRONLY | O_APPEND);
        for (int i = 0; i < 300; ++i) {
            const std::string line = "writer " + std::to_string(i) + "\n";
            if (::write(fd, line.data(), line.size()) != static_cast<ssize_t>(line.size())) {
                ::_exit(1);
            }
            ::usleep(200);
        }
        ::_exit(0);
    }
    std::vector<pid_t> exports;
    for (int i = 0; i < 2; ++i) {
        exports.push_back(::fork());
        if (exports.back() == 0) {
            ::_exit(appendWhole(file, exported) ? 0 : 1);
        }
    }
    for (pid_t child : exports) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    ::waitpid(writer, nullptr, 0);
    std::string content = readAll(file);
    for (int i = 0; i < 300; ++i) {
        const std::string line = "writer " + std::to_string(i) + "\n";
        const std::size_t at = content.find(line);
        ASSERT_NE(at, std::string::npos) << line;
        content.erase(at, line.size());
    }
    EXPECT_EQ(content, exported + exported);
}

// While another export holds the file, this one waits, and then adds its lines whole.
TEST(AppendInPlace, AnExportWaitsWhileAnotherHoldsTheFile) {
    TempDir dir;
    const fs::path file = dir.write("contacts.csv", "old\r\n");
    const int held = ::open(file.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(held);  // another program's, not this one's
        ::_exit(appendWhole(file, "new\r\n") ? 0 : 1);
    }
    ::usleep(300'000);
    EXPECT_EQ(readAll(file), "old\r\n") << "nothing is written while the file is held";
    ::close(held);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(readAll(file), "old\r\nnew\r\n");
}

// In a world-writable sticky folder the export writes only this user's own files and the
// folder owner's, each with one name: a file planted by another user, or a second name of one
// of this user's own files, is refused and left as it was.
TEST(AppendInPlace, ASharedFolderTakesNoExportIntoAFileItMayHaveBeenPlantedIn) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root, to act as two users";
    }
    TempDir dir;
    const fs::path shared = dir.file("shared");
    fs::create_directory(shared);
    ASSERT_EQ(::chmod(dir.file("").c_str(), 0755), 0);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    const fs::path planted = dir.write("shared/planted.csv", "theirs\r\n");
    ASSERT_EQ(::chown(planted.c_str(), kOwner, kOwner), 0);
    ASSERT_EQ(::chmod(planted.c_str(), 0622), 0);
    const fs::path mine = dir.write("mine.csv", "mine\r\n");
    ASSERT_EQ(::chown(mine.c_str(), kColleague, kColleague), 0);
    fs::create_hard_link(mine, shared / "linked.csv");
    const fs::path own = dir.write("shared/own.csv", "own\r\n");
    ASSERT_EQ(::chown(own.c_str(), kColleague, kColleague), 0);

    EXPECT_TRUE(runAs(kColleague, kColleague, [&] {
        return !appendWhole(planted, "new\r\n") && !appendWhole(shared / "linked.csv", "new\r\n") &&
               appendWhole(own, "new\r\n");
    }));
    EXPECT_EQ(readAll(planted), "theirs\r\n");
    EXPECT_EQ(readAll(mine), "mine\r\n");
    EXPECT_EQ(readAll(own), "own\r\nnew\r\n");
}

// A file bound over another, which no rename may replace, takes the export like any file.
TEST(AppendInPlace, ABindMountedFileIsAppendedTo) {
    TempDir dir;
    const fs::path source = dir.write("source.csv", "old\r\n");
    const fs::path target = dir.write("target.csv", "");
    if (::mount(source.c_str(), target.c_str(), nullptr, MS_BIND, nullptr) != 0) {
        GTEST_SKIP() << "needs root, to mount";
    }
    const bool exported = appendWhole(target, "new\r\n");
    ::umount(target.c_str());
    EXPECT_TRUE(exported);
    EXPECT_EQ(readAll(source), "old\r\nnew\r\n");
}

// A link that tells no size, as those of /proc/self/fd, still leads to its file.
TEST(AppendInPlace, ALinkUnderProcSelfFdLeadsToItsFile) {
    TempDir dir;
    const fs::path file = dir.write("contacts.csv", "old\r\n");
    const int fd = ::open(file.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    EXPECT_TRUE(appendWhole("/proc/self/fd/" + std::to_string(fd), "new\r\n"));
    ::close(fd);
    EXPECT_EQ(readAll(file), "old\r\nnew\r\n");
}
