// Files at the system's limits: a full disk, permissions that only a user other than root
// feels, and files larger than 2 GiB.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>

#include "files/byte_file.h"
#include "scan/address_scanner.h"

#include "export/export_fixture.h"

using namespace ravelo;
using namespace ravelo::testing;

TEST_F(ExportFixture, AWriteThatFailsPartWayLeavesTheFileAsItWas) {
    for (int i = 0; i < 200; ++i) {
        list.Append("somebody" + std::to_string(i) + "@example.org");
    }
    const std::string before = "an earlier export\r\n";
    exportPath.value = dir.write("contacts.csv", before);

    // Let the file grow by a few kilobytes only, so that the write fails in its middle.
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    Export(controls, services);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(readAll(exportPath.value), before);
    EXPECT_EQ(log, notExported(200));
}

namespace {

// Runs `check` in a child process as the unprivileged user "nobody" when the tests run as root,
// since root may read and write any file whatever its permissions. Returns what `check` said.
bool asOrdinaryUser(const std::function<bool()> &check) {
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && setuid(65534) != 0) {
            _exit(2);
        }
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

TEST_F(ExportFixture, AReadOnlyFileIsLeftAsItWas) {
    fill({"a@x"});
    exportPath.value = dir.write("read-only.csv", "kept\r\n");
    std::filesystem::permissions(dir.file(""), std::filesystem::perms::all);
    std::filesystem::permissions(exportPath.value, std::filesystem::perms::owner_read |
                                                       std::filesystem::perms::group_read |
                                                       std::filesystem::perms::others_read);
    EXPECT_TRUE(asOrdinaryUser([&] {
        Export(controls, services);
        return log == notExported(1);
    }));
    EXPECT_EQ(readAll(exportPath.value), "kept\r\n");
}

TEST(ByteFilePermissions, AFileWithoutReadPermissionCannotBeOpened) {
    TempDir dir;
    const std::string path = dir.write("secret.NK2", "xSMTP:a\3");
    std::filesystem::permissions(dir.file(""), std::filesystem::perms::all);
    std::filesystem::permissions(path, std::filesystem::perms::none);
    EXPECT_TRUE(asOrdinaryUser([&] { return ravelo::ByteFile::open(path) == nullptr; }));
}

TEST(AddressScannerLargeFile, FindsAddressesBeyondTwoGibibytesWithABoundedBuffer) {
    TempDir dir;
    const std::string path = dir.write("sparse.NK2", std::string("xSMTP:near@x\0\3", 15));
    const std::uint64_t far = (2ull << 30) + 7;  // past what a signed 32-bit position can hold
    std::filesystem::resize_file(path, far);
    { std::ofstream(path, std::ios::binary | std::ios::app) << "SMTP:far@x" << '\0' << '\3'; }
    auto file = ravelo::ByteFile::open(path);
    ASSERT_TRUE(file);
    ravelo::AddressScanner scanner(*file);
    EXPECT_EQ(scanner.next(), "near@x");
    EXPECT_EQ(scanner.next(), "far@x");
    EXPECT_EQ(scanner.next(), std::nullopt);
}
