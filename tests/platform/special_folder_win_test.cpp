#include <gtest/gtest.h>

#include "scan/cache_location.h"

#include <string>

// The real request of Windows: the roaming application-data folder, with one "\" added.
TEST(SpecialFolderOnWindows, FindsTheApplicationDataFolder) {
    const std::string folder = ravelo::GetSpecialFolder(26, ravelo::requestSpecialFolder);
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
    EXPECT_NE(folder.substr(0, folder.size() - 1).back(), '\\');
    EXPECT_NE(ravelo::cachePathBoxText(ravelo::requestSpecialFolder)
                  .find("\\Microsoft\\Outlook\\Outlook.NK2"),
              std::string::npos);
}
