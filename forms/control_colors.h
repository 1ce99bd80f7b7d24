#pragma once

#include <optional>

#include "forms/window_layout.h"
#include "platform/controls.h"

// Which colours each control draws its text in and on, given the desktop's colours. A layout
// fixes some colours and leaves others to the system; where it fixes one colour of a pair, the
// other keeps the value it has on a light desktop whenever the system's would not read against
// it, so a dark desktop never puts light text on the fixed light faces. Controls left to the
// system follow it in both colours.
namespace ravelo {

// The desktop's colours as a toolkit gives them.
struct SystemColors {
    Rgb text{0, 0, 0};          // text on the face: buttons, and labels left to the system
    Rgb face{240, 240, 240};    // the face of buttons and of labels left to the system
    bool highContrast = false;  // Windows' high-contrast setting: every colour the system's
};

struct ColorPair {
    Rgb text;
    Rgb background;
    friend bool operator==(const ColorPair &, const ColorPair &) = default;
};

// The contrast ratio of two colours, 1 to 21, as the Web Content Accessibility Guidelines
// measure it; 4.5 or more reads well.
double contrastRatio(Rgb a, Rgb b);

// The colours of a label or a button. For a label whose background the program changes while it
// runs (the status line's flash), `background` is the one it has now.
ColorPair controlColors(const ControlLayout &row, const SystemColors &system,
                        std::optional<Rgb> background = std::nullopt);

// The colours of a window's own surface, where its controls leave it bare, and the text of the
// labels that show that surface through them. No background: the window shows its picture.
struct SurfaceColors {
    Rgb text;
    std::optional<Rgb> background;
};
SurfaceColors windowColors(const WindowLayout &window, const SystemColors &system);

}  // namespace ravelo
