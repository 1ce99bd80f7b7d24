#pragma once

#include <gtest/gtest.h>

#include <string>

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
};

}  // namespace ravelo::testing
