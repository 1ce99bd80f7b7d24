#include "qt/program_style.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTransform>

#include <algorithm>
#include <optional>

#include "forms/layout_rules.h"

namespace ravelo {
namespace {

// The primitives that draw the outer frame of a text box or a button, which Fusion draws with
// its own bevels and rounded corners.
bool drawsABevelledFrame(QStyle::PrimitiveElement element) {
    switch (element) {
        case QStyle::PE_FrameLineEdit:
        case QStyle::PE_PanelLineEdit:
        case QStyle::PE_PanelButtonCommand:
        case QStyle::PE_PanelButtonTool:
        case QStyle::PE_FrameButtonTool:
            return true;
        default:
            return false;
    }
}

// The device pixels that `rect` covers on the painter's device, whole, and the rectangle exactly.
struct OnDevice {
    QRectF exact;
    QRect whole;
};

std::optional<OnDevice> onDevice(const QPainter &painter, const QRect &rect) {
    const QTransform toDevice = painter.deviceTransform();
    if (toDevice.type() > QTransform::TxScale || rect.isEmpty()) {
        return std::nullopt;  // rotated or sheared: no display does that
    }
    const QRectF exact = toDevice.mapRect(QRectF(rect));
    const PixelSpan across = framePixels(exact.left(), exact.right());
    const PixelSpan down = framePixels(exact.top(), exact.bottom());
    return OnDevice{exact, QRect(QPoint(across.first, down.first), QPoint(across.last, down.last))};
}

// The part of the painter's device transform that the display adds to the world transform:
// its scale, and where the widget stands on the device.
QTransform displayTransform(const QPainter &painter) {
    return painter.worldTransform().inverted() * painter.deviceTransform();
}

// Makes the painter draw `rect` onto the whole device pixels that it covers.
void stretchOntoWholePixels(QPainter &painter, const QRect &rect) {
    const std::optional<OnDevice> device = onDevice(painter, rect);
    if (!device || QRectF(device->whole) == device->exact) {
        return;
    }
    const QRectF &exact = device->exact;
    const QRectF whole(device->whole);
    const QTransform onto =
        QTransform::fromTranslate(-exact.left(), -exact.top()) *
        QTransform::fromScale(whole.width() / exact.width(), whole.height() / exact.height()) *
        QTransform::fromTranslate(whole.left(), whole.top());
    painter.setWorldTransform(painter.deviceTransform() * onto *
                              displayTransform(painter).inverted());
}

}  // namespace

ProgramStyle::ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                 QPainter *painter, const QWidget *widget) const {
    if (painter == nullptr) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    } else if (element == PE_Frame && qobject_cast<const QAbstractScrollArea *>(widget)) {
        drawPlainFrame(*option, *painter, widget);
    } else if (drawsABevelledFrame(element)) {
        painter->save();
        stretchOntoWholePixels(*painter, option->rect);
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        painter->restore();
    } else {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

// The plain frame of a scrolled view, the list's: one line at each edge, in Fusion's colour for it,
// drawn as wide as a layout pixel is on the device, on the outermost whole pixels of the control.
void ProgramStyle::drawPlainFrame(const QStyleOption &option, QPainter &painter,
                                  const QWidget *widget) const {
    const std::optional<OnDevice> device = onDevice(painter, option.rect);
    if (!device) {
        QProxyStyle::drawPrimitive(PE_Frame, &option, &painter, widget);
        return;
    }
    // Fusion's colour, as Fusion draws it at the scale of one.
    QImage sample(3, 3, QImage::Format_ARGB32_Premultiplied);
    sample.fill(Qt::transparent);
    {
        QStyleOption small = option;
        small.rect = sample.rect();
        QPainter onSample(&sample);
        QProxyStyle::drawPrimitive(PE_Frame, &small, &onSample, widget);
    }
    const QColor colour = sample.pixelColor(0, 1);
    const QRect &whole = device->whole;
    const int width = std::min({lineWidthInPixels(device->exact.width() / option.rect.width()),
                                whole.width(), whole.height()});
    painter.save();
    painter.setWorldTransform(displayTransform(painter).inverted());  // in device pixels
    painter.fillRect(QRect(whole.left(), whole.top(), whole.width(), width), colour);
    painter.fillRect(QRect(whole.left(), whole.bottom() - width + 1, whole.width(), width), colour);
    // The sides between the top and the bottom line: the colour may be translucent, and a
    // pixel painted twice would show darker.
    if (const int side = whole.height() - 2 * width; side > 0) {
        painter.fillRect(QRect(whole.left(), whole.top() + width, width, side), colour);
        painter.fillRect(QRect(whole.right() - width + 1, whole.top() + width, width, side),
                         colour);
    }
    painter.restore();
}

}  // namespace ravelo
