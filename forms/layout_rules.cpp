#include "forms/layout_rules.h"

#include <algorithm>

namespace ravelo {

std::vector<const ControlLayout *> focusOrder(const WindowLayout &layout) {
    std::vector<const ControlLayout *> order;
    for (const ControlLayout &row : layout.controls) {
        if (row.takesFocus()) {
            order.push_back(&row);
        }
    }
    std::ranges::stable_sort(order, {}, &ControlLayout::tabIndex);
    return order;
}

FontSpec standInFor(FontSpec font) {
    font.bold = font.bold || font.face == "Arial Black";
    if (font.face == "MS Sans Serif") {
        font.letterSpacing = 98;
    }
    font.face = "Arial";
    return font;
}

int labelIndent(const ControlLayout &row, int dotsPerInch) {
    return std::max(0, -twipsToPixels(row.left, dotsPerInch));
}

}  // namespace ravelo
