#pragma once

#include <ostream>

#include "forms/control_names.h"

// Lets a failed check print a window's or control's name as it reads.
namespace ravelo {

template <class Tag>
std::ostream &operator<<(std::ostream &out, Name<Tag> name) {
    return out << name.text();
}

}  // namespace ravelo
