// An export onto a file keeps what Windows keeps on it; a read-only file is refused.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "files/append_file.h"
#include "files/append_steps.h"
#include "files/file_identity.h"
#include "support/temp_dir.h"

using namespace ravelo;
using namespace ravelo::testing;

namespace {

// Writes `text` into the named stream of `file`; false where the file system has no such streams.
bool writeStream(const std::wstring &stream, const std::string &text) {
    HANDLE out = CreateFileW(stream.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (out == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const bool done =
        WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
        written == text.size();
    CloseHandle(out);
    return done;
}

}  // namespace

TEST(AppendWholeOnWindows, AReadOnlyFileIsRefusedAndKeptAsItWas) {
    TempDir dir;
    const std::filesystem::path file = dir.write("read-only.csv", "kept\r\n");
    ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(appendWhole(file, "more\r\n"));
    EXPECT_EQ(readAll(file), "kept\r\n");
    EXPECT_NE(GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);  // so that the folder can go
}

TEST(AppendWholeOnWindows, AHiddenFileStaysHiddenAndKeepsItsOtherStreams) {
    TempDir dir;
    const std::filesystem::path file = dir.write("hidden.csv", "kept\r\n");
    ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_HIDDEN));
    const std::wstring stream = file.wstring() + L":note";
    const bool streams = writeStream(stream, "a note");
    EXPECT_TRUE(appendWhole(file, "more\r\n"));
    EXPECT_EQ(readAll(file), "kept\r\nmore\r\n");
    EXPECT_NE(GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    if (streams) {
        EXPECT_EQ(readAll(std::filesystem::path(stream)), "a note");
    }
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// A drive letter of its own for a folder, as `subst` makes one; removed again afterwards.
class SubstitutedDrive {
public:
    explicit SubstitutedDrive(const std::filesystem::path &folder) {
        const DWORD used = GetLogicalDrives();
        for (wchar_t letter = L'Z'; letter >= L'D'; --letter) {
            if ((used & (1u << (letter - L'A'))) == 0) {
                const wchar_t name[] = {letter, L':', L'\0'};
                if (DefineDosDeviceW(0, name, folder.c_str())) {
                    drive_ = name;
                }
                break;
            }
        }
    }
    ~SubstitutedDrive() {
        if (!drive_.empty()) {
            DefineDosDeviceW(DDD_REMOVE_DEFINITION, drive_.c_str(), nullptr);
        }
    }
    const std::wstring &drive() const { return drive_; }

private:
    std::wstring drive_;
};

TEST(AppendWholeOnWindows, TheCacheFileIsKeptOutThroughAnotherDriveLetter) {
    TempDir dir;
    const std::filesystem::path cache = dir.write("Outlook.NK2", "xSMTP:a@x\3");
    const SubstitutedDrive substituted(std::filesystem::path(dir.file("")));
    const std::wstring throughTheDrive = substituted.drive() + L"\\Outlook.NK2";
    if (GetFileAttributesW(throughTheDrive.c_str()) == INVALID_FILE_ATTRIBUTES) {
        GTEST_SKIP() << "no drive letter leads to a folder here (Wine makes none)";
    }
    const std::optional<FileIdentity> identity = identityOf(cache);
    ASSERT_TRUE(identity);
    EXPECT_EQ(identityOf(throughTheDrive), identity);
    EXPECT_FALSE(appendWhole(throughTheDrive, "more", {*identity}));
    EXPECT_EQ(readAll(cache), "xSMTP:a@x\3");
}

// The file is held from the export's first look to its end: another program may read it
// meanwhile, but neither move it away nor put another in its place, nor write it.
TEST(AppendWholeOnWindows, TheFileIsHeldFromTheFirstLookToTheEnd) {
    TempDir dir;
    const std::filesystem::path file = dir.write("held.csv", "mine\r\n");
    const std::filesystem::path theirs = dir.write("theirs.csv", "theirs\r\n");
    bool moved = true, written = true, read = false;
    append_steps::afterFirstLook = [&] {
        moved = MoveFileExW(file.c_str(), std::filesystem::path(dir.file("moved.csv")).c_str(), 0);
        moved = moved || MoveFileExW(theirs.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING);
        HANDLE other = CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   nullptr, OPEN_EXISTING, 0, nullptr);
        written = other != INVALID_HANDLE_VALUE;
        CloseHandle(other);
        read = readAll(file) == "mine\r\n";
    };
    const bool exported = appendWhole(file, "new\r\n");
    append_steps::afterFirstLook = nullptr;
    EXPECT_TRUE(exported);
    EXPECT_FALSE(moved);
    EXPECT_FALSE(written);
    EXPECT_TRUE(read);
    EXPECT_EQ(readAll(file), "mine\r\nnew\r\n");
    EXPECT_EQ(readAll(theirs), "theirs\r\n");
}

namespace {

struct Export {
    std::filesystem::path file;
    std::string bytes;
    bool done = false;
};

DWORD WINAPI exportOnAThread(void *argument) {
    auto *e = static_cast<Export *>(argument);
    e->done = appendWhole(e->file, e->bytes);
    return 0;
}

}  // namespace

// Another program that holds the file for a moment (a virus scanner, the indexer), and a second
// export at the same time: the export waits for them, and both exports land whole.
TEST(AppendWholeOnWindows, AFileHeldForAMomentAndTwoExportsAtOnce) {
    TempDir dir;
    const std::filesystem::path file = dir.write("contacts.csv", "");
    std::string bytes;
    for (int i = 0; i < 20000; ++i) {
        bytes += "export line " + std::to_string(i) + "\r\n";
    }
    HANDLE scanner = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(scanner, INVALID_HANDLE_VALUE);
    Export first{file, bytes}, second{file, bytes};
    HANDLE threads[] = {CreateThread(nullptr, 0, exportOnAThread, &first, 0, nullptr),
                        CreateThread(nullptr, 0, exportOnAThread, &second, 0, nullptr)};
    Sleep(300);
    CloseHandle(scanner);
    WaitForMultipleObjects(2, threads, TRUE, INFINITE);
    CloseHandle(threads[0]);
    CloseHandle(threads[1]);
    EXPECT_TRUE(first.done && second.done);
    EXPECT_EQ(readAll(file), bytes + bytes);
}

// A path longer than the old limit of MAX_PATH characters.
TEST(AppendWholeOnWindows, APathLongerThanMaxPathIsWritten) {
    TempDir dir;
    std::wstring folder = L"\\\\?\\" + std::filesystem::path(dir.file("")).wstring();
    while (!folder.empty() && folder.back() == L'\\') {
        folder.pop_back();
    }
    for (int i = 0; folder.size() < MAX_PATH + 20; ++i) {
        folder += L"\\" + std::wstring(40, static_cast<wchar_t>(L'a' + i));
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    }
    const std::wstring file = folder.substr(4) + L"\\contacts.csv";
    ASSERT_GT(file.size(), static_cast<std::size_t>(MAX_PATH));
    EXPECT_TRUE(appendWhole(file, "new\r\n"));
    EXPECT_EQ(readAll(std::filesystem::path(folder + L"\\contacts.csv")), "new\r\n");
}
