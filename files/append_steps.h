#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "files/file_identity.h"
#include "files/file_path.h"

// The steps of appending to a file that each system takes its own way; appendWhole takes them in
// the same order on every system.
namespace ravelo::append_steps {

// What the system holds open of the target: each system's own.
struct Opened;

// The file that a name leads to, opened once for appending (or made, where there was none) and
// judged on what was opened.
struct Target {
    bool regular = true;   // not a folder, a device, a FIFO
    bool allowed = true;   // this user may write it, and a shared folder's rules let them
    bool keptOut = false;  // one of the files that must never be written
    bool made = false;     // this export made it
    std::shared_ptr<Opened> opened;
};

// Nothing when the name cannot be resolved, only through a link that must not be followed, when
// what it names changed while it was looked at, or when it stays held by another program.
std::optional<Target> open(const FilePath &name, const std::vector<FileIdentity> &keepOut);

// Holds the file for this export alone, so that two exports follow each other; waits a few
// seconds at most for another to end. False when the file stays held.
bool lock(const Target &target);

// The file's length now.
std::optional<std::uint64_t> length(const Target &target);

// Writes every byte at the end of the file, which is `length` long, in as few writes as the
// system allows, and puts them on the device (with a made file's folder entry); or, when any of
// that fails, cuts the file back to `length`. A kill of the program does not split it.
bool writeAtEnd(const Target &target, std::string_view bytes, std::uint64_t length);

// Removes a file that this export made, if its name still leads to it.
void removeMade(const Target &target);

// For the tests: runs between the first look at the name and the file's judgement (on POSIX
// before the file is opened, on Windows once it is held), so that a test can change the file
// system there as another user might.
inline std::function<void()> afterFirstLook;

}  // namespace ravelo::append_steps
