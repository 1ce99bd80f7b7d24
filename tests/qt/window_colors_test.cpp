// Every text of the windows reads well on a light and on a dark desktop, measured on the
// pixels that the windows draw; the colours that a layout fixes show as it fixes them.
#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QRect>
#include <vector>

#include "forms/window_layouts.h"
#include "qt/form1_fixture.h"
#include "support/name_output.h"
#include "support/shown_colors.h"

using namespace ravelo;
using namespace ravelo::testing;

namespace {

// What a dark style (Breeze Dark, GNOME's dark Adwaita) hands a Qt program.
QPalette darkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(42, 46, 50));
    dark.setColor(QPalette::WindowText, QColor(252, 252, 252));
    dark.setColor(QPalette::Base, QColor(27, 30, 32));
    dark.setColor(QPalette::AlternateBase, QColor(35, 38, 41));
    dark.setColor(QPalette::Text, QColor(252, 252, 252));
    dark.setColor(QPalette::Button, QColor(49, 54, 59));
    dark.setColor(QPalette::ButtonText, QColor(252, 252, 252));
    dark.setColor(QPalette::Highlight, QColor(61, 174, 233));
    dark.setColor(QPalette::HighlightedText, QColor(252, 252, 252));
    dark.setColor(QPalette::Light, QColor(64, 70, 76));
    dark.setColor(QPalette::Midlight, QColor(56, 62, 68));
    dark.setColor(QPalette::Mid, QColor(36, 40, 44));
    dark.setColor(QPalette::Dark, QColor(25, 27, 30));
    dark.setColor(QPalette::Shadow, QColor(18, 20, 21));
    return dark;
}

// Where a control shows its text: a picture button's caption under its icon, a label as far as
// no other lies over it.
QRect textArea(QWidget *control, const ControlLayout &row, const WindowLayout &layout) {
    QRect area(control->mapTo(control->window(), QPoint(0, 0)), control->size());
    if (row.kind == ControlKind::kLabel) {
        area.setWidth(twipsToPixels(uncoveredWidth(layout, row)));
    } else if (row.kind == ControlKind::kPictureButton) {
        const int line = QFontMetrics(control->font()).height();
        area.setTop(area.bottom() - line - 6);
        area.adjust(6, 0, -6, -3);
    } else if (row.kind == ControlKind::kButton) {
        area.adjust(4, 4, -4, -4);
    }
    return area.intersected(control->window()->rect());
}

std::vector<Rgb> pixelsOf(const QImage &image, QRect area) {
    std::vector<Rgb> pixels;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            pixels.push_back(Rgb{static_cast<std::uint8_t>(c.red()),
                                 static_cast<std::uint8_t>(c.green()),
                                 static_cast<std::uint8_t>(c.blue())});
        }
    }
    return pixels;
}

struct WindowColors : Form1Fixture {
    QPalette before = QApplication::palette();
    void TearDown() override {
        QApplication::setPalette(before);
        Form1Fixture::TearDown();
    }
};

}  // namespace

TEST_F(WindowColors, EveryTextReadsOnALightAndADarkDesktop) {
    showActive();
    press(form1::add);
    choose(form1::Help, form1::Assistance);
    const struct {
        const char *desktop;
        QPalette palette;
    } desktops[] = {{"light", before}, {"dark", darkPalette()}};
    for (const auto &desktop : desktops) {
        // Changed while the windows are open, as a user switches the style.
        QApplication::setPalette(desktop.palette);
        QCoreApplication::sendPostedEvents();
        for (const WindowLayout *layout : {&form1Layout(), &form2Layout(), &form3Layout()}) {
            QWidget *window = layout->name == form1::window
                                  ? form.get()
                                  : control<QWidget>(form.get(), layout->name);
            ASSERT_NE(window, nullptr) << layout->name;
            const QImage image = window->grab().toImage();
            for (const ControlLayout &row : layout->controls) {
                if (row.kind == ControlKind::kTextBox || row.kind == ControlKind::kListBox) {
                    continue;  // the system's own pair
                }
                SCOPED_TRACE(std::string(desktop.desktop) + " " + std::string(layout->name.text()) +
                             "." + std::string(row.name.text()));
                auto *widget = window->findChild<QWidget *>(objectName(row.name));
                ASSERT_NE(widget, nullptr);
                const ShownColors shown =
                    shownColors(pixelsOf(image, textArea(widget, row, *layout)));
                EXPECT_GE(shown.ratio, 4.5);
                if (row.paint == Paint::kColor) {
                    EXPECT_TRUE(closeTo(shown.background, row.background));
                }
                if (row.textColor) {
                    EXPECT_TRUE(closeTo(shown.text, *row.textColor, 24));
                }
            }
        }
    }
}
