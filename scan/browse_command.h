#pragma once

#include <string>
#include <vector>

#include "addresses/address_list.h"
#include "files/file_identity.h"
#include "platform/controls.h"
#include "platform/services.h"

namespace ravelo {

inline constexpr int kMaxAddressesPerScan = 1000;

// The main window's parts that the Browse command uses.
struct BrowseControls {
    Button &browse;        // Command1
    Button &exportButton;  // Command2
    Label &status;         // Label7
    Label &countLabel;     // Label5
    TextBox &cachePath;    // Text2
    AddressList &list;
    std::vector<FileIdentity> &cacheFilesRead;  // every cache file read since the start
};

// Lets the user choose a cache file and appends the addresses found in it to the list, at most
// 1000 of them. The status line shows the progress; between two addresses window events are
// handled. Does nothing while a scan is already running.
void Browse(BrowseControls &controls, const Services &services);

}  // namespace ravelo
