#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "files/append_file.h"

namespace ravelo::testing {

// What the killed exports left: each time the file as it was, or with the whole export added.
struct KillOutcomes {
    std::string before;
    std::string added;
    // Where a kill may cut the write short (Wine's, which is the Linux kernel's), the old content
    // followed by the export's first part counts too; the old content stays whatever happens.
    bool cutAllowed = false;
    int untouched = 0;
    int whole = 0;
    int cut = 0;

    ::testing::AssertionResult record(const std::string &after) {
        const bool begun = after.size() > before.size() && after.starts_with(before) &&
                           added.starts_with(std::string_view(after).substr(before.size()));
        if (after == before) {
            ++untouched;
        } else if (after == before + added) {
            ++whole;
        } else if (cutAllowed && begun) {
            ++cut;
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
        std::printf(
            "%d kills: %d left the file as it was, %d with the whole export, %d cut short\n",
            untouched + whole + cut, untouched, whole, cut);
        return ::testing::AssertionSuccess();
    }
};

}  // namespace ravelo::testing
