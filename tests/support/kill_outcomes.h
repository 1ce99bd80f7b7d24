#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>

#include "files/append_file.h"

namespace ravelo::testing {

// What the killed exports left: each time the file as it was, or with the whole export added.
struct KillOutcomes {
    std::string before;
    std::string added;
    int untouched = 0;
    int whole = 0;

    ::testing::AssertionResult record(const std::string &after) {
        if (after == before) {
            ++untouched;
        } else if (after == before + added) {
            ++whole;
        } else {
            return ::testing::AssertionFailure()
                   << "the file has " << after.size() << " bytes, neither " << before.size()
                   << " as it was nor " << before.size() + added.size() << " with the export";
        }
        return ::testing::AssertionSuccess();
    }

    // What the killed exports left beside the file goes with the next export to it: afterwards
    // the folder holds the file alone. Says what the kills did.
    ::testing::AssertionResult nextExportClearsTheFolder(const std::filesystem::path &file) const {
        namespace fs = std::filesystem;
        std::size_t left = 0;
        for (const auto &entry : fs::directory_iterator(file.parent_path())) {
            left += entry.path() != file ? 1 : 0;
        }
        if (!appendWhole(file.native(), "next\r\n")) {
            return ::testing::AssertionFailure() << "the next export failed";
        }
        for (const auto &entry : fs::directory_iterator(file.parent_path())) {
            if (entry.path() != file) {
                return ::testing::AssertionFailure() << entry.path().string() << " is left";
            }
        }
        std::printf(
            "%d kills: %d left the file as it was, %d with the whole export; %zu files "
            "left beside it went with the next export\n",
            untouched + whole, untouched, whole, left);
        return ::testing::AssertionSuccess();
    }
};

}  // namespace ravelo::testing
