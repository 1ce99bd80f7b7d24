#include "qt/window_colors.h"

#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QPalette>
#include <QVariant>
#include <QWidget>
#include <cstdint>
#include <optional>

#include "forms/control_colors.h"
#include "qt/window_builder.h"

namespace ravelo {
namespace {

// Where a label keeps the background that the program gave it while it runs.
constexpr char kBackground[] = "ravelo_background";

QColor toQColor(Rgb color) {
    return QColor(color.red, color.green, color.blue);
}

Rgb toRgb(const QColor &color) {
    return {static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
            static_cast<std::uint8_t>(color.blue())};
}

SystemColors systemColors() {
    const QPalette palette = QApplication::palette();
    return {.text = toRgb(palette.color(QPalette::ButtonText)),
            .face = toRgb(palette.color(QPalette::Button))};
}

// Sets the roles in every colour group, so that an inactive window looks the same.
void setRoles(QWidget *widget, QPalette::ColorRole text, QPalette::ColorRole background,
              ColorPair colors) {
    QPalette palette = widget->palette();
    palette.setColor(text, toQColor(colors.text));
    palette.setColor(background, toQColor(colors.background));
    widget->setPalette(palette);
}

void colorControl(QWidget *widget, const ControlLayout &row, const SystemColors &system) {
    switch (row.kind) {
        case ControlKind::kLabel: {
            // A label left to the system shows its window through, in the window's text colour.
            const QVariant given = widget->property(kBackground);
            if (row.paint == Paint::kSystem && !row.textColor && !given.isValid()) {
                return;
            }
            std::optional<Rgb> background;
            if (given.isValid()) {
                background = toRgb(given.value<QColor>());
            }
            setRoles(widget, widget->foregroundRole(), widget->backgroundRole(),
                     controlColors(row, system, background));
            widget->setAutoFillBackground(true);
            return;
        }
        case ControlKind::kPictureButton:
            setRoles(widget, QPalette::ButtonText, QPalette::Button, controlColors(row, system));
            return;
        case ControlKind::kTextBox:
        case ControlKind::kListBox:
        case ControlKind::kButton:
            return;  // the system's colours
    }
}

void applyColors(QWidget *window, QWidget *client, const WindowLayout &layout) {
    const SystemColors system = systemColors();
    const SurfaceColors surface = windowColors(layout, system);
    if (surface.background) {
        setRoles(window, QPalette::WindowText, QPalette::Window,
                 {surface.text, *surface.background});
        window->setAutoFillBackground(true);
    }
    for (const ControlLayout &row : layout.controls) {
        auto *widget =
            client->findChild<QWidget *>(objectName(row.name), Qt::FindDirectChildrenOnly);
        if (widget != nullptr) {
            colorControl(widget, row, system);
        }
    }
}

// Colours its window again after every change of the application's palette.
class ColorKeeper final : public QObject {
public:
    ColorKeeper(QWidget *window, QWidget *client, const WindowLayout &layout)
        : QObject(window), window_(window), client_(client), layout_(layout) {
        applyColors(window_, client_, layout_);
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched == window_ && event->type() == QEvent::ApplicationPaletteChange) {
            applyColors(window_, client_, layout_);
        }
        return false;
    }

private:
    QWidget *window_;
    QWidget *client_;
    const WindowLayout &layout_;
};

}  // namespace

void keepColors(QWidget *window, QWidget *client, const WindowLayout &layout) {
    new ColorKeeper(window, client, layout);
}

void setLabelBackground(QWidget *label, Rgb color) {
    label->setProperty(kBackground, toQColor(color));
    // The label's row decides its text colour; only the background is new.
    QPalette palette = label->palette();
    palette.setColor(label->backgroundRole(), toQColor(color));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

}  // namespace ravelo
