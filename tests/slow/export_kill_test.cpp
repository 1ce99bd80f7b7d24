// An export killed at any moment leaves the contact file either as it was or with the whole
// export added. Slow: it runs and kills 200 exports of the fullest list.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <string>

#include "addresses/address_list.h"
#include "export/contact_csv.h"
#include "platform/append_file.h"
#include "support/temp_dir.h"

using namespace ravelo;
using namespace ravelo::testing;

TEST(ExportKill, AKillAtAnyMomentLeavesTheFileWholeOrAsItWas) {
    AddressList list;
    for (int i = 0; i < AddressList::kMaxCount; ++i) {
        list.Append("correspondent" + std::to_string(i) + "@example.org");
    }
    const std::string added = contactFileText(list);
    const std::string before = "an earlier export\r\n";
    TempDir dir;
    const std::string path = dir.file("contacts.csv");

    const auto start = std::chrono::steady_clock::now();
    dir.write("contacts.csv", before);
    ASSERT_TRUE(appendWhole(path, added));
    const auto oneExport = std::chrono::steady_clock::now() - start;

    std::mt19937 random(20261208);
    std::uniform_int_distribution<long> moment(
        0, std::chrono::duration_cast<std::chrono::microseconds>(oneExport).count() * 5 / 4);
    int whole = 0;
    int untouched = 0;
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
        const std::string after = readAll(path);
        if (after == before) {
            ++untouched;
        } else {
            ASSERT_EQ(after.size(), before.size() + added.size()) << "kill " << kill;
            ASSERT_EQ(after, before + added) << "kill " << kill;
            ++whole;
        }
    }
    std::printf("200 kills: %d left the file as it was, %d with the whole export\n", untouched,
                whole);
}
