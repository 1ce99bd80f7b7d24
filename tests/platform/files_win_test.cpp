// An export onto a file keeps what Windows keeps on it; a read-only file is refused.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/append_file.h"
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
