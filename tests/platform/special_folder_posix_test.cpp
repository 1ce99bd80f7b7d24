#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/special_folder.h"

namespace ravelo {
namespace {

// Sets an environment variable for one test and puts back what was there.
class ScopedVariable {
public:
    ScopedVariable(const char *name, const char *value) : name_(name) {
        if (const char *old = std::getenv(name)) {
            old_ = old;
        }
        value != nullptr ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedVariable() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

private:
    const char *name_;
    std::optional<std::string> old_;
};

std::string dataFolder() {
    std::array<char, 260> buffer{};
    EXPECT_TRUE(requestSpecialFolder(buffer, kAppDataFolderId));
    return buffer.data();
}

TEST(SpecialFolder, IsThePerUserDataFolderOfTheXdgRules) {
    ScopedVariable home("HOME", "/home/jos\xc3\xa9/");
    {
        ScopedVariable data("XDG_DATA_HOME", "/srv/data");
        EXPECT_EQ(dataFolder(), "/srv/data");
    }
    {
        ScopedVariable data("XDG_DATA_HOME", "relative/data");  // not absolute: not used
        EXPECT_EQ(dataFolder(), "/home/jos\xe9/.local/share");  // in the code page
    }
    ScopedVariable data("XDG_DATA_HOME", nullptr);
    {
        ScopedVariable noHome("HOME", "");
        const passwd *user = getpwuid(getuid());
        ASSERT_NE(user, nullptr);
        EXPECT_EQ(dataFolder(), std::string(user->pw_dir) + "/.local/share");
    }
    {
        ScopedVariable root("HOME", "/");
        EXPECT_EQ(dataFolder(), "/.local/share");
    }
}

TEST(SpecialFolder, APathTooLongForTheBufferLeavesItAsItWas) {
    ScopedVariable data("XDG_DATA_HOME", ("/" + std::string(300, 'd')).c_str());
    std::array<char, 260> buffer{};
    buffer[0] = 'k';
    EXPECT_TRUE(requestSpecialFolder(buffer, kAppDataFolderId));
    EXPECT_EQ(buffer[0], 'k');
}

}  // namespace
}  // namespace ravelo
