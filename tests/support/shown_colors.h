#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "forms/control_colors.h"
#include "forms/window_layout.h"
#include "platform/controls.h"

// The colours of a text as the screen shows it, read off the pixels of its control: the
// background is the colour that covers most of them, the text the one that stands out most
// from it (the solid middle of a stroke, whatever the edges blend).
namespace ravelo::testing {

struct ShownColors {
    Rgb text;
    Rgb background;
    double ratio = 1;
};

inline ShownColors shownColors(const std::vector<Rgb> &pixels) {
    auto key = [](Rgb c) { return (c.red << 16) | (c.green << 8) | c.blue; };
    std::unordered_map<int, int> counts;
    ShownColors shown;
    int most = 0;
    for (Rgb pixel : pixels) {
        if (const int count = ++counts[key(pixel)]; count > most) {
            most = count;
            shown.background = pixel;
        }
    }
    shown.text = shown.background;
    for (Rgb pixel : pixels) {
        if (const double ratio = contrastRatio(pixel, shown.background); ratio > shown.ratio) {
            shown.ratio = ratio;
            shown.text = pixel;
        }
    }
    return shown;
}

// How much of a label's width, in twips, no later label lies over (the count over its heading,
// the web address over its sentence).
inline int uncoveredWidth(const WindowLayout &layout, const ControlLayout &row) {
    int width = row.width;
    for (const ControlLayout *later = &row + 1;
         later != layout.controls.data() + layout.controls.size(); ++later) {
        const bool overlaps =
            later->top < row.top + row.height && later->top + later->height > row.top;
        if (overlaps && later->left > row.left && later->left < row.left + width) {
            width = later->left - row.left;
        }
    }
    return width;
}

inline bool closeTo(Rgb a, Rgb b, int tolerance = 8) {
    auto close = [tolerance](int x, int y) { return x - y <= tolerance && y - x <= tolerance; };
    return close(a.red, b.red) && close(a.green, b.green) && close(a.blue, b.blue);
}

}  // namespace ravelo::testing
