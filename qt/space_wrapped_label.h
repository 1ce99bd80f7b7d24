#pragma once

#include <QLabel>
#include <QStringList>

namespace ravelo {

// A label of plain text that wraps as the labels of Windows do: at spaces only, never inside a
// word or after punctuation such as the ":" and "\" of a path. A word wider than the label is
// cut off at its edge. Lines below the label's height are not seen.
class SpaceWrappedLabel final : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // The lines that the label shows, top to bottom, as wide as its text area allows.
    QStringList shownLines() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect textArea() const;
};

// Breaks `text` into lines no wider than `width` at its spaces; the spaces at a break belong to
// neither line.
QStringList wrapAtSpaces(const QString &text, const QFontMetrics &metrics, int width);

}  // namespace ravelo
