// Every frame of the windows drawn whole at the scales that desktops use: each edge of a text
// box, the list and the buttons shows its line on the device pixels that the control covers.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "forms/layout_rules.h"
#include "qt/form1_fixture.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace ravelo;
using namespace ravelo::testing;

namespace {

int lightness(QRgb pixel) {
    return QColor(pixel).lightness();
}

// Renders `window` as a screen at `scale` shows it.
QImage rendered(QWidget *window, double scale) {
    QImage image((QSizeF(window->size()) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    window->render(&image);
    return image;
}

// The edges of `control` that show no line: at three places along each edge, neither of the
// two device pixels just inside it is clearly darker than the control's face a little further in.
std::string edgesWithoutALine(const QImage &image, QWidget *window, QWidget *control,
                              double scale) {
    const QRectF logical(control->mapTo(window, QPoint(0, 0)), QSizeF(control->size()));
    const PixelSpan across = framePixels(logical.left() * scale, logical.right() * scale);
    const PixelSpan down = framePixels(logical.top() * scale, logical.bottom() * scale);
    const int left = across.first, right = across.last, top = down.first, bottom = down.last;
    const int face = static_cast<int>(std::lround(4 * scale));
    // Along an edge, away from its rounded corners: a quarter, half and three quarters down it.
    const auto lineAt = [&](bool vertical, int edge, int inward) {
        for (int quarter = 1; quarter <= 3; ++quarter) {
            const int along =
                vertical ? top + (bottom - top) * quarter / 4 : left + (right - left) * quarter / 4;
            const auto at = [&](int across) {
                return lightness(vertical ? image.pixel(across, along)
                                          : image.pixel(along, across));
            };
            int inside = 0;  // the face: the lightest pixel a little way in, beside any text
            for (int step = 2; step <= 2 * face; ++step) {
                inside = std::max(inside, at(edge + inward * step));
            }
            if (at(edge) >= inside - 40 && at(edge + inward) >= inside - 40) {
                return false;
            }
        }
        return true;
    };
    std::string missing;
    if (!lineAt(true, left, 1))
        missing += " left";
    if (!lineAt(true, right, -1))
        missing += " right";
    if (!lineAt(false, top, 1))
        missing += " top";
    if (!lineAt(false, bottom, -1))
        missing += " bottom";
    return missing;
}

// The framed controls of a window: its text boxes, list and buttons.
std::vector<QWidget *> framed(QWidget *window) {
    std::vector<QWidget *> controls;
    for (QWidget *child : window->findChildren<QWidget *>()) {
        if (child->isVisible() && child->window() == window &&
            (qobject_cast<QLineEdit *>(child) || qobject_cast<QAbstractScrollArea *>(child) ||
             qobject_cast<QAbstractButton *>(child))) {
            controls.push_back(child);
        }
    }
    return controls;
}

struct Frames : Form1Fixture {
    QWidget *openAdd() {
        press(form1::add);
        return control<QWidget>(form.get(), form2::window);
    }
    QWidget *openAssistance() {
        choose(form1::Help, form1::Assistance);
        return control<QWidget>(form.get(), form3::window);
    }
};

}  // namespace

// The pixels that the frames are drawn on are those that Qt lets a control paint: at 1.25, one
// that starts at 22.5 paints from pixel 23, and one that ends at 593.75 up to pixel 593.
TEST(FramePixels, AreThePixelsThatAControlPaints) {
    struct Black : QWidget {
        using QWidget::QWidget;
        void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), Qt::black); }
    };
    QWidget window;
    window.resize(600, 40);
    auto *control = new Black(&window);
    for (const double scale : {1.0, 1.25, 1.5, 1.75, 2.0}) {
        for (const int left : {17, 18, 19, 20}) {
            for (const int width : {457, 458, 459}) {
                control->setGeometry(left, 10, width, 20);
                const QImage image = rendered(&window, scale);
                int first = -1, last = -1;
                for (int x = 0; x < image.width(); ++x) {
                    if (qGray(image.pixel(x, static_cast<int>(20 * scale))) == 0) {
                        first = first < 0 ? x : first;
                        last = x;
                    }
                }
                const PixelSpan span = framePixels(left * scale, (left + width) * scale);
                EXPECT_EQ(span.first, first) << scale << " " << left << " " << width;
                EXPECT_EQ(span.last, last) << scale << " " << left << " " << width;
            }
        }
    }
}

TEST_F(Frames, EveryFrameIsDrawnWholeAtEveryScale) {
    showActive();
    const std::vector<QWidget *> windows = {form.get(), openAdd(), openAssistance()};
    for (const double scale : {1.0, 1.25, 1.5, 1.75, 2.0}) {
        for (QWidget *window : windows) {
            const QImage image = rendered(window, scale);
            for (QWidget *control : framed(window)) {
                EXPECT_EQ(edgesWithoutALine(image, window, control, scale), "")
                    << "at " << scale << ": " << control->objectName().toStdString();
            }
        }
    }
}
