#pragma once

#include <string>

namespace ravelo {

// The folder in which a file dialog opens for a starting path that names a file: the nearest
// folder of that path that exists, its parts split at "\" or "/". Empty when none exists.
std::string nearestExistingFolder(const std::string &startPath);

}  // namespace ravelo
