#pragma once

#include <string_view>
#include <vector>

#include "files/file_identity.h"
#include "files/file_path.h"

namespace ravelo {

// Appends `bytes` to the regular file at `target`, following a symbolic link to the file it
// names, and creates the file when it is missing. Returns true once all of it is on the device.
//
// The file stays the same file, with its owner, permissions, ACLs, attributes and other names;
// nothing of its content is read, copied or moved. It is held for the export alone, its length
// taken then, the bytes written at its end and flushed, and on any failure it is cut back to
// that length (a file that the export made is removed again). So a kill or a full disk leaves it
// as it was or with the whole export; only a power cut during the write can leave part of it.
//
// Writes nothing, and returns false, when the target is not a regular file (a folder, a device,
// a FIFO), is one of the files in `keepOut` by any of its names, may not be written, or is one
// that a world-writable sticky folder's rules keep out.
bool appendWhole(const FilePath &target, std::string_view bytes,
                 const std::vector<FileIdentity> &keepOut = {});

}  // namespace ravelo
