#include "qt/space_wrapped_label.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QRect>

#include "forms/space_wrap.h"

#include <string>

namespace ravelo {

QStringList wrapAtSpaces(const QString &text, const QFontMetrics &metrics, int width) {
    const std::u16string_view characters(reinterpret_cast<const char16_t *>(text.utf16()),
                                         static_cast<std::size_t>(text.size()));
    auto measure = [&metrics](std::u16string_view piece) {
        return metrics.horizontalAdvance(
            QString::fromUtf16(piece.data(), static_cast<qsizetype>(piece.size())));
    };
    QStringList lines;
    for (const std::u16string &line : ravelo::wrapAtSpaces(characters, measure, width)) {
        lines << QString::fromStdU16String(line);
    }
    return lines;
}

QRect SpaceWrappedLabel::textArea() const {
    QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    if (indent() > 0) {
        area.setLeft(area.left() + indent());
    }
    return area;
}

QStringList SpaceWrappedLabel::shownLines() const {
    return wrapAtSpaces(text(), fontMetrics(), textArea().width());
}

void SpaceWrappedLabel::paintEvent(QPaintEvent * /*event*/) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    const QRect area = textArea();
    painter.setClipRect(area);
    const QFontMetrics metrics = fontMetrics();
    int baseline = area.top() + metrics.ascent();
    for (const QString &line : shownLines()) {
        if (baseline - metrics.ascent() >= area.bottom()) {
            break;
        }
        painter.drawText(area.left(), baseline, line);
        baseline += metrics.lineSpacing();
    }
}

}  // namespace ravelo
