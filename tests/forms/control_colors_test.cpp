#include "forms/control_colors.h"

#include <gtest/gtest.h>
#include <stdexcept>

#include "forms/control_names.h"
#include "forms/window_layouts.h"
#include "support/name_output.h"

namespace ravelo {
namespace {

const ControlLayout &row(const WindowLayout &window, ControlName name) {
    for (const ControlLayout &control : window.controls) {
        if (control.name == name) {
            return control;
        }
    }
    throw std::invalid_argument("no such control");
}

TEST(ControlColors, ContrastIsMeasuredAsTheGuidelinesDo) {
    EXPECT_DOUBLE_EQ(contrastRatio({0, 0, 0}, {255, 255, 255}), 21);
    EXPECT_DOUBLE_EQ(contrastRatio({9, 9, 9}, {9, 9, 9}), 1);
    EXPECT_NEAR(contrastRatio({192, 192, 255}, {0, 0, 255}), 5.0, 0.01);  // the status line
}

// The layout's own colours stay; the system's stand where they read, and where they do not,
// the light desktop's take their place. High contrast gives every control the system's pair.
TEST(ControlColors, ALightDesktopKeepsItsLookAndADarkOneStaysReadable) {
    const SystemColors light{{0, 0, 0}, {240, 240, 240}};
    const SystemColors dark{{255, 255, 255}, {32, 32, 32}};
    const SystemColors contrast{{255, 255, 0}, {0, 0, 0}, true};
    const struct {
        const WindowLayout &window;
        ControlName name;
        SystemColors system;
        ColorPair expected;
    } cases[] = {
        {form1Layout(), form1::Label2, light, {{0, 0, 64}, {240, 240, 240}}},
        {form1Layout(), form1::Label2, dark, {{0, 0, 64}, {240, 240, 240}}},
        {form1Layout(), form1::Label2, {{0, 0, 0}, {212, 208, 200}}, {{0, 0, 64}, {212, 208, 200}}},
        {form1Layout(), form1::Command1, light, {{0, 0, 0}, {224, 224, 224}}},
        {form1Layout(), form1::Command1, dark, {{0, 0, 0}, {224, 224, 224}}},
        {form1Layout(), form1::Label7, dark, {{192, 192, 255}, {0, 0, 255}}},
        {form3Layout(), form3::Label1, dark, {{0, 0, 0}, {224, 224, 224}}},
        {form3Layout(), form3::Label3, dark, {{255, 255, 255}, {32, 32, 32}}},
        {form1Layout(), form1::Label7, contrast, {{255, 255, 0}, {0, 0, 0}}},
        {form3Layout(), form3::Label13, contrast, {{255, 255, 0}, {0, 0, 0}}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(controlColors(row(c.window, c.name), c.system), c.expected) << c.name;
    }
    EXPECT_EQ(controlColors(row(form1Layout(), form1::Label7), dark, Rgb{255, 0, 0}).background,
              (Rgb{255, 0, 0}));

    EXPECT_EQ(windowColors(form3Layout(), dark).text, (Rgb{0, 0, 0}));
    EXPECT_EQ(windowColors(form3Layout(), light).background, (Rgb{224, 224, 224}));
    EXPECT_FALSE(windowColors(form1Layout(), dark).background);  // the picture
    EXPECT_EQ(windowColors(form1Layout(), contrast).background, contrast.face);
}

}  // namespace
}  // namespace ravelo
