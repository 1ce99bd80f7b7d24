#pragma once

#include <vector>

#include "forms/control_names.h"
#include "forms/window_layout.h"

namespace ravelo::testing {

// Where Tab goes in each window, from the first control that takes the focus, as the user meets
// the controls.
inline std::vector<ControlName> tabOrderOf(const WindowLayout &layout) {
    if (layout.name == form1::window) {
        return {form1::Command1, form1::Text2, form1::Text3,    form1::Text1,   form1::add,
                form1::delete_,  form1::List1, form1::Command3, form1::Command2};
    }
    if (layout.name == form2::window) {
        return {form2::Text1, form2::Command2, form2::Command1};
    }
    return {form3::Command2};
}

}  // namespace ravelo::testing
