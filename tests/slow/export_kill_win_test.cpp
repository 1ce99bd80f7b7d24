// An export ended by TerminateProcess at any moment leaves the contact file either as it was or
// with the whole export added. A second process, ravelo_export_child.exe beside this one, does
// the export; this one ends it 100 times.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "support/full_export.h"
#include "support/kill_outcomes.h"
#include "support/temp_dir.h"

using namespace ravelo::testing;

namespace {

std::filesystem::path besideThisProgram(const wchar_t *name) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return std::filesystem::path(self).parent_path() / name;
}

// Starts the exporting process; its handle, or null. Wine now and then refuses a start right
// after a process was ended, so it is tried a few times.
HANDLE startExport(const std::filesystem::path &child, const std::filesystem::path &file) {
    std::wstring command = L"\"" + child.wstring() + L"\" \"" + file.wstring() + L"\"";
    for (int attempt = 0; attempt < 10; ++attempt) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (CreateProcessW(child.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &process)) {
            CloseHandle(process.hThread);
            return process.hProcess;
        }
        std::printf("could not start the export (error %lu); again\n", GetLastError());
        Sleep(100);
    }
    return nullptr;
}

}  // namespace

TEST(ExportKillOnWindows, AnExportEndedAtAnyMomentLeavesTheFileWholeOrAsItWas) {
    const std::filesystem::path child = besideThisProgram(L"ravelo_export_child.exe");
    // Windows finishes a write that has begun before it ends the program. Under Wine the program
    // is a Linux process, whose kill can cut a long write short.
    const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    KillOutcomes outcomes{
        .before = "an earlier export\r\n", .added = fullExportText(), .cutAllowed = wine};
    const std::string &before = outcomes.before;
    const std::string &added = outcomes.added;
    TempDir dir;
    const std::filesystem::path path = dir.file("contacts.csv");

    dir.write("contacts.csv", before);
    const auto start = std::chrono::steady_clock::now();
    HANDLE whole = startExport(child, path);
    ASSERT_NE(whole, nullptr) << "cannot start " << child.string();
    WaitForSingleObject(whole, INFINITE);
    CloseHandle(whole);
    const auto oneExport = std::chrono::steady_clock::now() - start;
    ASSERT_EQ(readAll(path), before + added);

    std::mt19937 random(20261208);
    std::uniform_int_distribution<long> moment(
        0, std::chrono::duration_cast<std::chrono::milliseconds>(oneExport).count() * 5 / 4);
    for (int kill = 0; kill < 100; ++kill) {
        dir.write("contacts.csv", before);
        HANDLE process = startExport(child, path);
        ASSERT_NE(process, nullptr);
        Sleep(static_cast<DWORD>(moment(random)));
        TerminateProcess(process, 9);
        WaitForSingleObject(process, INFINITE);
        CloseHandle(process);
        ASSERT_TRUE(outcomes.record(readAll(path))) << "kill " << kill;
    }
    EXPECT_TRUE(outcomes.folderHoldsTheFileAlone(path));
}
