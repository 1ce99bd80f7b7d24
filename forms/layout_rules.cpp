#include "forms/layout_rules.h"

#include <algorithm>
#include <cmath>

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

PixelSpan framePixels(double start, double end) {
    // Each edge on the nearest pixel boundary, a half going up, as the window system places the
    // control itself; within a millionth of a pixel (18 x 1.1 is not quite 19.8) as exactly.
    constexpr double kSlack = 1e-6;
    const int first = static_cast<int>(std::floor(start + 0.5 + kSlack));
    const int last = static_cast<int>(std::floor(end + 0.5 + kSlack)) - 1;
    return {first, std::max(first, last)};
}

int lineWidthInPixels(double scale) {
    return std::max(1, static_cast<int>(std::lround(scale)));
}

}  // namespace ravelo
