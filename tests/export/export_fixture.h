#pragma once

#include <gtest/gtest.h>

#include "addresses/address_list.h"
#include "export/export_command.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace ravelo::testing {

inline std::string prefixed(int spaces, const std::string &tail) {
    return "Ravelo version .06 beta" + std::string(spaces, ' ') + tail;
}

// What the status line does when the file could not be written after Yes, with `count` entries.
inline Log notExported(int count) {
    const std::string failure =
        "Label7: " + prefixed(69, "Could not write the file! File NOT exported.");
    return {"Label7: " + std::to_string(count),
            failure,
            "pause 0.125",
            "Label7 color 255,0,0",
            "pause 8",
            "Label7 color 0,0,255",
            failure,
            "pause 0.125"};
}

struct ExportFixture : ::testing::Test {
    Log log;
    AddressList list;
    FakeLabel status{log, form1::Label7};
    FakeTextBox exportPath;
    FakePauser pauser{log};
    FakeMessageBoxes messages;
    FakeTextBox cachePath{"C:\\Documents and Settings\\ann\\Outlook.NK2"};
    std::vector<FileIdentity> cacheFilesRead;
    unsigned reports = 0;
    Services services{.messages = &messages, .pauser = &pauser};
    ExportControls controls{list, status, exportPath, cachePath, cacheFilesRead, reports};
    TempDir dir;

    void fill(std::initializer_list<const char *> entries) {
        for (const char *entry : entries) {
            list.Append(entry);
        }
    }
};

}  // namespace ravelo::testing
