#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <limits>

#include "forms/window_layout.h"

class QLabel;
class QWidget;

// Measures and faces of the program's windows on Qt: twips become device-independent pixels,
// and faces that the system lacks get their nearest stand-in.
namespace ravelo {

inline QRect twips(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

inline QSize twipsSize(int width, int height) {
    return {twipsToPixels(width), twipsToPixels(height)};
}

// A face at a point size, or its stand-in where the system lacks it.
QFont windowFont(FontSpec spec);

// Text boxes take any length of text, as the edit boxes of Windows do.
inline constexpr int kNoLengthLimit = std::numeric_limits<int>::max();

// A label of plain text placed at `place`, its text wrapping at spaces from the top left, as
// every label of the program does.
QLabel *addLabel(QWidget *parent, const QString &name, const QString &caption, QRect place);

}  // namespace ravelo
