// An export killed at any moment leaves the contact file either as it was or with the whole
// export added, as the next export finds it. Slow: it runs and kills 200 exports of the fullest
// list.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <string>

#include "files/append_file.h"
#include "support/full_export.h"
#include "support/kill_outcomes.h"
#include "support/temp_dir.h"

using namespace ravelo;
using namespace ravelo::testing;

namespace {

// The file as the next export finds it: once no export holds it any more.
std::string readOnceUnheld(const std::string &path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    ::flock(fd, LOCK_EX);
    std::string content = readAll(path);
    ::close(fd);
    return content;
}

}  // namespace

TEST(ExportKill, AKillAtAnyMomentLeavesTheFileWholeOrAsItWas) {
    KillOutcomes outcomes{.before = "an earlier export\r\n", .added = fullExportText()};
    const std::string &before = outcomes.before;
    const std::string &added = outcomes.added;
    TempDir dir;
    const std::string path = dir.file("contacts.csv");

    const auto start = std::chrono::steady_clock::now();
    dir.write("contacts.csv", before);
    ASSERT_TRUE(appendWhole(path, added));
    const auto oneExport = std::chrono::steady_clock::now() - start;

    std::mt19937 random(20261208);
    std::uniform_int_distribution<long> moment(
        0, std::chrono::duration_cast<std::chrono::microseconds>(oneExport).count() * 5 / 4);
    for (int kill = 0; kill < 200; ++kill) {
        dir.write("contacts.csv", before);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            _exit(appendWhole(path, added) ? 0 : 1);
        }
        usleep(static_cast<useconds_t>(moment(random)));
        ::kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        ASSERT_TRUE(outcomes.record(readOnceUnheld(path))) << "kill " << kill;
    }
    EXPECT_TRUE(outcomes.folderHoldsTheFileAlone(path));
}
