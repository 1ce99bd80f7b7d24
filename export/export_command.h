#pragma once

#include <vector>

#include "addresses/address_list.h"
#include "files/file_identity.h"
#include "platform/controls.h"
#include "platform/services.h"
#include "texts/status_text.h"

namespace ravelo {

// The main window's parts that the Export command uses.
struct ExportControls {
    const AddressList &list;
    Label &status;                                    // Label7
    TextBox &exportPath;                              // Text1
    const TextBox &cachePath;                         // Text2: never written into
    const std::vector<FileIdentity> &cacheFilesRead;  // never written into either
    // How many exports have reported on the status line, those started during another's pause
    // included: a failure's flash puts its text back only while no later export has reported.
    unsigned &reports;
};

// Asks whether to export, then appends the list to the contact file named in the export path
// box. A file that cannot be written, or a cache file, is left as it was, and the status line
// says so.
void Export(ExportControls &controls, const Services &services);

}  // namespace ravelo
