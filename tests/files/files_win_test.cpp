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

// Windows replaces a file by its name: a file put under the name after the export has looked at
// it is left as it was, and so is the one that it looked at, unless it writes that one in place
// through the handle it judged (a file with several names).
TEST(AppendWholeOnWindows, AFileSwappedInAfterTheFirstLookIsNeverWritten) {
    struct Case {
        const char *name;
        bool otherNames;
        bool exported;
        const char *looked;  // what the file that the export looked at holds afterwards
    } const cases[] = {
        {"replaced by name", false, false, "mine\r\n"},
        {"written in place", true, true, "mine\r\nnew\r\n"},
    };
    for (const Case &c : cases) {
        TempDir dir;
        const std::filesystem::path race = dir.write("race.csv", "mine\r\n");
        const std::filesystem::path theirs = dir.write("theirs.csv", "theirs\r\n");
        const std::filesystem::path moved = dir.file("moved.csv");
        if (c.otherNames) {
            ASSERT_TRUE(CreateHardLinkW(std::filesystem::path(dir.file("second.csv")).c_str(),
                                        race.c_str(), nullptr));
        }
        append_steps::afterFirstLook = [&] {
            std::filesystem::rename(race, moved);
            std::filesystem::rename(theirs, race);
        };
        const bool exported = appendWhole(race, "new\r\n");
        append_steps::afterFirstLook = nullptr;
        EXPECT_EQ(exported, c.exported) << c.name;
        EXPECT_EQ(readAll(race), "theirs\r\n") << c.name;
        EXPECT_EQ(readAll(moved), c.looked) << c.name;
        int files = 0;
        for ([[maybe_unused]] const auto &entry :
             std::filesystem::directory_iterator(dir.file(""))) {
            ++files;
        }
        EXPECT_EQ(files, c.otherNames ? 3 : 2) << c.name << ": a new file was left behind";
    }
}
