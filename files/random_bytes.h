#pragma once

#include <cstddef>

// Bytes from the system's random source, for names and values that no one may guess. False
// when the system gave none; the caller then decides what else will do.
namespace ravelo {

bool randomBytes(void *buffer, std::size_t size);

}  // namespace ravelo
