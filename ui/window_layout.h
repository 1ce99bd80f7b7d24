#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <limits>

#include "platform/controls.h"

class QLabel;
class QWidget;

// Measures and faces of the program's windows, which are laid out in twips (15 to a pixel at
// 96 dots per inch) and name faces that not every system has.
namespace ravelo {

inline QRect twips(int left, int top, int width, int height) {
    auto px = [](int t) { return qRound(t / 15.0); };
    return {px(left), px(top), px(width), px(height)};
}

inline QSize twipsSize(int width, int height) {
    return twips(0, 0, width, height).size();
}

// A face at a point size, falling back to the nearest face that is installed.
QFont windowFont(const QString &face, qreal points, bool bold = false, bool underline = false);

// Text boxes take any length of text, as the edit boxes of Windows do.
inline constexpr int kNoLengthLimit = std::numeric_limits<int>::max();

// The face colour of the buttons and of the secondary windows.
inline constexpr Rgb kWindowFace{224, 224, 224};

// A label of plain text placed at `place`, its text wrapping at spaces from the top left, as
// every label of the program does.
QLabel *addLabel(QWidget *parent, const char *name, const QString &caption, QRect place);

// The font of controls that are given none.
inline QFont defaultWindowFont() {
    return windowFont(QStringLiteral("MS Sans Serif"), 8.25);
}

}  // namespace ravelo
