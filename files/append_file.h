#pragma once

#include <string_view>
#include <vector>

#include "files/file_identity.h"
#include "files/file_path.h"

namespace ravelo {

// Appends `bytes` to the regular file at `target`, following a symbolic link to the file it
// names, and creates the file when it is missing. Returns true once all of it is on the device.
//
// All or nothing, even when the process is killed or the machine stops part-way: the old
// content and the new bytes go to a new file beside the target, which is flushed and then put in
// its place with the target's permissions. Only where the folder takes no new file (or the file
// has other names, which must see the change) are the bytes appended in place, and cut off again
// if they cannot all be written. A failure leaves no file that was not there before.
//
// Writes nothing, and returns false, when the target is not a regular file (a folder, a device,
// a FIFO) or is one of the files in `keepOut`, by any of its names.
bool appendWhole(const FilePath &target, std::string_view bytes,
                 const std::vector<FileIdentity> &keepOut = {});

}  // namespace ravelo
