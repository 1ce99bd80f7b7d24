#include "files/append_file.h"

#include <cstdint>
#include <optional>

#include "files/append_steps.h"

// How an export's bytes go into a file, the same on every system.
namespace ravelo {
namespace {

namespace steps = append_steps;

// A path that ends in a separator names a folder, whatever is there.
bool namesAFolder(const FilePath &name) {
#ifdef _WIN32
    return name.back() == L'\\' || name.back() == L'/';
#else
    return name.back() == '/';
#endif
}

bool addAtEnd(const steps::Target &target, std::string_view bytes) {
    if (!steps::lock(target)) {
        return false;
    }
    const std::optional<std::uint64_t> length = steps::length(target);
    return length && steps::writeAtEnd(target, bytes, *length);
}

}  // namespace

bool appendWhole(const FilePath &name, std::string_view bytes,
                 const std::vector<FileIdentity> &keepOut) {
    if (name.empty() || namesAFolder(name)) {
        return false;
    }
    const std::optional<steps::Target> target = steps::open(name, keepOut);
    // A folder, a device, a cache file and a file that may not be written take nothing.
    if (!target || !target->regular || !target->allowed || target->keptOut) {
        return false;
    }
    if (addAtEnd(*target, bytes)) {
        return true;
    }
    if (target->made) {
        steps::removeMade(*target);
    }
    return false;
}

}  // namespace ravelo
