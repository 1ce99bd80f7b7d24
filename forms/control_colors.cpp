#include "forms/control_colors.h"

#include <algorithm>
#include <cmath>

namespace ravelo {
namespace {

// What a light desktop gives where the system's own colour would not read: black text, and
// the light grey face of Windows.
constexpr Rgb kLightText{0, 0, 0};
constexpr Rgb kLightFace{240, 240, 240};
constexpr double kReadable = 4.5;

double channel(std::uint8_t value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(Rgb color) {
    return 0.2126 * channel(color.red) + 0.7152 * channel(color.green) +
           0.0722 * channel(color.blue);
}

// The system's colour where it reads against the fixed one, else the light desktop's.
Rgb readableAgainst(Rgb fixed, Rgb system, Rgb light) {
    return contrastRatio(fixed, system) >= kReadable ? system : light;
}

}  // namespace

double contrastRatio(Rgb a, Rgb b) {
    const double lighter = std::max(luminance(a), luminance(b));
    const double darker = std::min(luminance(a), luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

ColorPair controlColors(const ControlLayout &row, const SystemColors &system,
                        std::optional<Rgb> background) {
    if (system.highContrast) {
        return {system.text, system.face};
    }
    if (!background && row.paint == Paint::kColor) {
        background = row.background;
    }
    if (background) {
        return {row.textColor.value_or(readableAgainst(*background, system.text, kLightText)),
                *background};
    }
    if (row.textColor) {
        return {*row.textColor, readableAgainst(*row.textColor, system.face, kLightFace)};
    }
    return {system.text, system.face};
}

SurfaceColors windowColors(const WindowLayout &window, const SystemColors &system) {
    if (system.highContrast) {
        return {system.text, system.face};
    }
    if (window.background) {
        return {readableAgainst(*window.background, system.text, kLightText), window.background};
    }
    if (!window.picture.empty()) {
        return {system.text, std::nullopt};
    }
    return {system.text, system.face};
}

}  // namespace ravelo
