#include "scan/cache_location.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>

using ravelo::cachePathBoxText;
using ravelo::GetSpecialFolder;
using ravelo::SpecialFolderRequest;

namespace {

// A platform that writes `bytes` (NULs included) to the start of the buffer.
SpecialFolderRequest writes(std::string bytes) {
    return [bytes](std::span<char> buffer, std::int16_t) {
        std::memcpy(buffer.data(), bytes.data(), bytes.size());
        return true;
    };
}

const char *const kMessage = "Could not detect NK2 path! Press browse to locate NK2 file -->";

}  // namespace

TEST(CacheLocation, FolderFromThePlatform) {
    using namespace std::string_literals;
    struct Case {
        const char *name;
        SpecialFolderRequest request;
        std::string folder;
        std::string boxText;
    };
    const Case cases[] = {
        {"a path", writes("C:\\Users\\ann\\AppData\\Roaming\0"s),
         "C:\\Users\\ann\\AppData\\Roaming\\",
         "C:\\Users\\ann\\AppData\\Roaming\\Microsoft\\Outlook\\Outlook.NK2"},
        {"a path ending in spaces keeps them", writes("C:\\App Data  \0junk"s), "C:\\App Data  \\",
         "C:\\App Data  \\Microsoft\\Outlook\\Outlook.NK2"},
        {"nothing written", writes(""), "", kMessage},
        {"an empty path", writes("\0"s), "", kMessage},
        {"only spaces before the NUL", writes("   \0"s), "", kMessage},
        {"a failing call", [](std::span<char>, std::int16_t) { return false; }, "", kMessage},
        {"no such call", SpecialFolderRequest(), "", kMessage},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(GetSpecialFolder(26, c.request), c.folder) << c.name;
        EXPECT_EQ(cachePathBoxText(c.request), c.boxText) << c.name;
    }
}

TEST(CacheLocation, AsksForTheApplicationDataFolderWithABufferOfSpaces) {
    std::size_t size = 0;
    std::int16_t askedId = 0;
    bool allSpaces = false;
    GetSpecialFolder(26, [&](std::span<char> buffer, std::int16_t id) {
        size = buffer.size();
        askedId = id;
        allSpaces = std::all_of(buffer.begin(), buffer.end(), [](char c) { return c == ' '; });
        return true;
    });
    EXPECT_EQ(size, 260u);
    EXPECT_EQ(askedId, 26);
    EXPECT_TRUE(allSpaces);
}

TEST(CacheLocation, DefaultPathIsRelativeWithoutAFolder) {
    EXPECT_EQ(ravelo::defaultCachePath(""), "Microsoft\\Outlook\\Outlook.NK2");
}
