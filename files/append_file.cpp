#include "files/append_file.h"

#include <optional>
#include <string>

#include "files/append_steps.h"

// Which way an export's bytes go into a file, decided once for every system.
namespace ravelo {
namespace {

namespace steps = append_steps;

bool addTo(const steps::Target &target, std::string_view bytes,
           const std::vector<FileIdentity> &keepOut) {
    if (target.exists && bytes.empty()) {
        return true;  // nothing to add
    }
    // Every name of a file with several must see the export, and a file that cannot be read
    // cannot be copied: both take the bytes at their end.
    std::string content;
    if (target.exists && (target.otherNames || !steps::readWhole(target, content))) {
        return steps::appendInPlace(target, bytes, keepOut);
    }
    content.append(bytes);
    const std::optional<FilePath> replacement = steps::writeBeside(target, content);
    if (!replacement) {
        return steps::appendInPlace(target, bytes, keepOut);  // the folder takes no new file
    }
    if (replacement->empty()) {
        return false;  // a full disk, say: the file is as it was
    }
    if (!steps::replace(target, *replacement)) {
        steps::remove(target, *replacement);
        return false;
    }
    return true;
}

}  // namespace

bool appendWhole(const FilePath &name, std::string_view bytes,
                 const std::vector<FileIdentity> &keepOut) {
    if (name.empty()) {
        return false;
    }
    const std::optional<steps::Target> target = steps::inspect(name, keepOut);
    if (!target) {
        return false;
    }
    // A folder, a device, a cache file and a file that may not be written take nothing, and are
    // not replaced either.
    if (target->exists && (!target->regular || target->keptOut || !target->writable)) {
        return false;
    }
    const bool added = addTo(*target, bytes, keepOut);
    // Afterwards, so that the export itself follows its first look as closely as it can.
    steps::removeLeftovers(*target);
    return added;
}

}  // namespace ravelo
