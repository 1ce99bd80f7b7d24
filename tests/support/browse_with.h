#pragma once

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "addresses/address_list.h"
#include "files/file_identity.h"
#include "forms/control_names.h"
#include "platform/file_chooser.h"
#include "platform/services.h"
#include "scan/browse_command.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace ravelo::testing {

// A user's application-data folder whose Outlook folder, where Browse opens its dialog, holds
// `files`, each with one address.
inline void fillOutlookFolder(const TempDir &appData, const std::vector<std::string> &files) {
    std::filesystem::create_directories(std::filesystem::path(appData.file("Microsoft")) /
                                        "Outlook");
    for (const std::string &file : files) {
        appData.write("Microsoft/Outlook/" + file, std::string("xSMTP:ann@example.org\0\3", 23));
    }
}

// Runs the Browse command with `chooser` as its file dialog, in `appData` as the user's
// application-data folder, and returns the list it made.
inline std::vector<std::string> browseWith(FileChooser &chooser, const TempDir &appData) {
    Log log;
    FakeButton browse{log, form1::Command1};
    FakeButton exportButton{log, form1::Command2};
    FakeLabel status{log, form1::Label7};
    FakeLabel count{log, form1::Label5};
    FakeTextBox cachePath;
    AddressList list;
    FakePauser pauser{log};
    std::vector<FileIdentity> cacheFilesRead;
    const std::string folder = appData.file("");
    Services services{.chooser = &chooser,
                      .pauser = &pauser,
                      .specialFolder = [&](std::span<char> buffer, std::int16_t) {
                          std::strncpy(buffer.data(), folder.c_str(), buffer.size() - 1);
                          return true;
                      }};
    BrowseControls controls{browse, exportButton, status, count, cachePath, list, cacheFilesRead};
    Browse(controls, services);
    std::vector<std::string> entries;
    for (int i = 0; i < list.Count(); ++i) {
        entries.push_back(list.ItemAt(i));
    }
    return entries;
}

}  // namespace ravelo::testing
