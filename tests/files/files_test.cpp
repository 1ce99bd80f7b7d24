#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "files/append_file.h"
#include "files/byte_file.h"
#include "files/code_page.h"
#include "files/file_identity.h"
#include "platform/start_folder.h"
#include "support/temp_dir.h"

using namespace ravelo;
using namespace ravelo::testing;
using namespace std::string_literals;

TEST(ByteFile, ReadsBinaryBytesByOffset) {
    TempDir dir;
    const std::string bytes = "a\0\x1a\r\n\xff"s + std::string(5000, 'z');
    auto file = ByteFile::open(std::filesystem::path(dir.write("cache.NK2", bytes)));
    ASSERT_TRUE(file);
    char out[8] = {};
    EXPECT_EQ(file->readAt(0, out, 6), 6u);
    EXPECT_EQ(std::string(out, 6), bytes.substr(0, 6));
    EXPECT_EQ(file->readAt(bytes.size() - 3, out, 8), 3u);
    EXPECT_EQ(file->readAt(bytes.size() + 10, out, 8), 0u);
    EXPECT_EQ(file->readAt(2, out, 1), 1u) << "reading goes on after the end was reached";
    EXPECT_EQ(out[0], '\x1a');
}

TEST(ByteFile, MissingFileReadsEmptyAndIsNotCreated) {
    TempDir dir;
    auto file = ByteFile::open(std::filesystem::path(dir.file("missing.NK2")));
    ASSERT_TRUE(file);
    char out[4];
    EXPECT_EQ(file->readAt(0, out, 4), 0u);
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing.NK2")));
}

TEST(ByteFile, FolderCannotBeOpened) {
    TempDir dir;
    EXPECT_FALSE(ByteFile::open(std::filesystem::path(dir.file(""))));
}

TEST(AppendWhole, CreatesAppendsAndKeepsBytesAsTheyAre) {
    TempDir dir;
    const std::filesystem::path path = dir.file("out.csv");
    EXPECT_TRUE(appendWhole(path, "one\r\n"));
    EXPECT_TRUE(appendWhole(path, "two\x1a\xe9\r\n"));
    EXPECT_EQ(readAll(path), "one\r\ntwo\x1a\xe9\r\n");
}

TEST(AppendWhole, NeverWritesIntoTheFileToKeepOutByAnyOfItsNames) {
    TempDir dir;
    std::filesystem::create_directories(dir.file("sub"));
    const std::string kept = "xSMTP:a@x\3";
    const std::filesystem::path cache = dir.write("Outlook.NK2", kept);
    std::vector<std::string> names = {cache.string(), dir.file("sub/../Outlook.NK2")};
#ifdef _WIN32
    // Windows names one file in any letter case, with either slash and without a trailing dot.
    names.push_back(dir.file("OUTLOOK.nk2"));
    names.push_back(dir.file("Outlook.NK2."));
    std::string slashes = cache.string();
    std::replace(slashes.begin(), slashes.end(), '\\', '/');
    names.push_back(slashes);
#endif
    const std::optional<FileIdentity> identity = identityOf(cache);
    ASSERT_TRUE(identity);
    const std::vector<FileIdentity> keepOut = {{}, *identity};
    for (const std::string &name : names) {
        EXPECT_EQ(identityOf(std::filesystem::path(name)), identity) << name;
        EXPECT_FALSE(appendWhole(std::filesystem::path(name), "more", keepOut)) << name;
    }
    EXPECT_EQ(readAll(cache), kept);
    EXPECT_TRUE(appendWhole(std::filesystem::path(dir.file("other.csv")), "more", keepOut));
    EXPECT_EQ(identityOf(std::filesystem::path(dir.file("missing.csv"))), std::nullopt);
}

TEST(StartFolder, NearestExistingFolderOfAPathWithEitherSeparator) {
    TempDir dir;
    std::filesystem::create_directories(dir.file("Microsoft"));
    const std::string base = dir.file("");
    const std::filesystem::path microsoft = dir.file("Microsoft");
    for (const char *rest : {"Microsoft\\Outlook\\Outlook.NK2", "Microsoft/Outlook.NK2"}) {
        EXPECT_TRUE(std::filesystem::equivalent(nearestExistingFolder(base + rest), microsoft))
            << rest;
    }
    EXPECT_EQ(nearestExistingFolder("no-such-folder\\Outlook\\Outlook.NK2"), "");
}

TEST(Paths, SpacesAndAccentedLettersNameTheRightFile) {
    TempDir dir;
    const std::filesystem::path folder = dir.file("") + std::string("my cache");
    std::filesystem::create_directories(folder);
    std::ofstream(folder / u8"caf\u00e9 \u00e0 la carte.NK2", std::ios::binary) << "xSMTP:a@x\3";
    const std::string pathText = dir.file("") + "my cache/caf\xe9 \xe0 la carte.NK2";
    auto file = ByteFile::open(nativePath(pathText));
    ASSERT_TRUE(file);
    char out[4];
    EXPECT_EQ(file->readAt(0, out, 4), 4u);
    EXPECT_TRUE(appendWhole(nativePath(dir.file("") + "my cache/caf\xe9.csv"), "x\r\n"));
    EXPECT_TRUE(std::filesystem::exists(folder / u8"caf\u00e9.csv"));
}

// Every kind of file takes the export one way on every system: a new or a plain file gets a new
// copy put in its place; a file with several names is appended in place, so that every name
// sees it; a folder or a file kept out takes nothing.
TEST(AppendWhole, EveryKindOfFileTakesTheExportOneWayOnEverySystem) {
    namespace fs = std::filesystem;
    const struct {
        const char *kind;
        bool existing, secondName, folder, keptOut;
        bool written;
    } cases[] = {
        {"a new file", false, false, false, false, true},
        {"a file", true, false, false, false, true},
        {"a file with a second name", true, true, false, false, true},
        {"a folder", false, false, true, false, false},
        {"a file kept out", true, false, false, true, false},
    };
    for (const auto &c : cases) {
        TempDir dir;
        const fs::path path = dir.file("contacts.csv");
        if (c.existing) {
            dir.write("contacts.csv", "old\r\n");
        }
        if (c.secondName) {
            fs::create_hard_link(path, dir.file("second.csv"));
        }
        if (c.folder) {
            fs::create_directory(path);
        }
        std::vector<FileIdentity> keepOut;
        if (c.keptOut) {
            keepOut.push_back(*identityOf(path));
        }
        EXPECT_EQ(appendWhole(path, "new\r\n", keepOut), c.written) << c.kind;
        const std::string old = c.existing ? "old\r\n" : "";
        if (!c.folder) {
            EXPECT_EQ(readAll(path), c.written ? old + "new\r\n" : old) << c.kind;
        }
        if (c.secondName) {
            EXPECT_EQ(readAll(dir.file("second.csv")), "old\r\nnew\r\n") << c.kind;
        }
        std::size_t names = 0;
        for ([[maybe_unused]] const auto &entry : fs::directory_iterator(dir.file(""))) {
            ++names;
        }
        EXPECT_EQ(names, c.secondName ? 2u : 1u) << c.kind << ": nothing beside it";
    }
}
