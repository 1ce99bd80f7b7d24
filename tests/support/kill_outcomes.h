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

    // The killed exports left nothing beside the file, and the next export to it is whole.
    // Says what the kills did.
    ::testing::AssertionResult folderHoldsTheFileAlone(const std::filesystem::path &file) const {
        for (const auto &entry : std::filesystem::directory_iterator(file.parent_path())) {
            if (entry.path() != file) {
                return ::testing::AssertionFailure() << entry.path().string() << " is left";
            }
        }
        if (!appendWhole(file.native(), "next\r\n")) {
            return ::testing::AssertionFailure() << "the next export failed";
        }
        std::printf("%d kills: %d left the file as it was, %d with the whole export\n",
                    untouched + whole, untouched, whole);
        return ::testing::AssertionSuccess();
    }
};

}  // namespace ravelo::testing
