#pragma once

#include <gtest/gtest.h>

#include "addresses/address_list.h"
#include "export/export_command.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

#include <initializer_list>
#include <string>

namespace ravelo::testing {

inline std::string prefixed(int spaces, const std::string &tail) {
    return "Ravelo version .06 beta" + std::string(spaces, ' ') + tail;
}

struct ExportFixture : ::testing::Test {
    Log log;
    AddressList list;
    FakeLabel status{log, "Label7"};
    FakeTextBox exportPath;
    FakePauser pauser{log};
    FakeMessageBoxes messages;
    FakeTextBox cachePath{"C:\\Documents and Settings\\ann\\Outlook.NK2"};
    ExportControls controls{list, status, exportPath, cachePath, pauser, messages};
    TempDir dir;

    void fill(std::initializer_list<const char *> entries) {
        for (const char *entry : entries) {
            list.Append(entry);
        }
    }
};

}  // namespace ravelo::testing
