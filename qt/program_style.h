#pragma once

#include <QProxyStyle>

class QPainter;
class QStyleOption;
class QWidget;

namespace ravelo {

// The program's look: Qt's Fusion style on every desktop, with the frames of the text boxes, the
// list and the buttons drawn on whole device pixels at any scale. At a scale such as 1.25 the
// edge of a control falls inside a device pixel, and Fusion's one-pixel frame line there is cut
// off with the pixel, or covered by the list's inside. This style stretches the bevelled frames
// of text boxes and buttons onto the whole device pixels the control covers, and draws the
// list's plain frame itself on its outermost whole pixels, in Fusion's colour.
class ProgramStyle final : public QProxyStyle {
public:
    ProgramStyle();
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;

private:
    void drawPlainFrame(const QStyleOption &option, QPainter &painter, const QWidget *widget) const;
};

}  // namespace ravelo
