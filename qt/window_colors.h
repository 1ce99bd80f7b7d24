#pragma once

#include <QObject>

#include "forms/window_layout.h"

class QWidget;

// The colours of a Qt window from its layout and the application's palette, kept up to date
// when the palette changes (a dark style chosen while the program runs).
namespace ravelo {

// Colours `window` and the controls of `client` (the window itself, or its central widget),
// and does it again whenever the application's palette changes.
void keepColors(QWidget *window, QWidget *client, const WindowLayout &layout);

// Paints a label in `color` instead of its layout's background, until the next call.
void setLabelBackground(QWidget *label, Rgb color);

}  // namespace ravelo
