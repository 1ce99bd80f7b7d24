#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <system_error>

namespace ravelo::testing {

// A folder of its own for one test, removed with everything in it afterwards.
class TempDir {
public:
    TempDir() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("ravelo-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    std::string file(const std::string &name) const { return (path_ / name).string(); }

    std::string write(const std::string &name, const std::string &bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
        return file(name);
    }

private:
    std::filesystem::path path_;
};

// The whole file, read in blocks (a file of megabytes takes seconds a byte at a time under the
// sanitizers); empty when there is none.
inline std::string readAll(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    if (in) {
        content << in.rdbuf();
    }
    return content.str();
}

}  // namespace ravelo::testing
