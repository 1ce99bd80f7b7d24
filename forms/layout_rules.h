#pragma once

#include <vector>

#include "forms/window_layout.h"

// What both front ends decide alike when they build a window from its layout.
namespace ravelo {

// The controls that take the focus, in the order Tab visits them: by tab index, and rows of
// one index in the order the layout lists them.
std::vector<const ControlLayout *> focusOrder(const WindowLayout &layout);

// The face that stands in for one the system lacks: Arial, whose heavy cut imitates Arial
// Black in bold; MS Sans Serif, a little narrower than Arial, keeps its line breaks with
// closer letters.
FontSpec standInFor(FontSpec font);

// How far a label that starts left of the client area indents its text, in pixels at `dpi`,
// so that its first letter stays in sight; 0 for every other label.
int labelIndent(const ControlLayout &row, int dotsPerInch = 96);

// The whole device pixels, first to last, that a control spanning [start, end) in device
// coordinates (its layout pixels times the display's scale) draws its frame on. A line one
// layout pixel wide at either edge of the control then lands on a pixel of the control's own,
// whatever the scale: the edges go inward to the nearest whole pixel, never out past the
// control into the space its neighbour or its window paints.
struct PixelSpan {
    int first;
    int last;
};
PixelSpan framePixels(double start, double end);

// How many device pixels wide a line one layout pixel wide is drawn at `scale`: the nearest
// whole number, and never less than one.
int lineWidthInPixels(double scale);

}  // namespace ravelo
