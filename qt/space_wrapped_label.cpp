#include "qt/space_wrapped_label.h"

#include <QPainter>

namespace ravelo {

QStringList wrapAtSpaces(const QString &text, const QFontMetrics &metrics, int width) {
    QStringList lines;
    QString line;
    qsizetype at = 0;
    while (at < text.size()) {
        // The next piece is a run of spaces and the word after it.
        qsizetype wordStart = at;
        while (wordStart < text.size() && text[wordStart] == QLatin1Char(' ')) {
            ++wordStart;
        }
        qsizetype wordEnd = wordStart;
        while (wordEnd < text.size() && text[wordEnd] != QLatin1Char(' ')) {
            ++wordEnd;
        }
        const QString longer = line + text.mid(at, wordEnd - at);
        if (!line.isEmpty() && wordEnd > wordStart && metrics.horizontalAdvance(longer) > width) {
            lines << line;
            line = text.mid(wordStart, wordEnd - wordStart);
        } else {
            line = longer;
        }
        at = wordEnd;
    }
    if (!line.isEmpty()) {
        lines << line;
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
