#include "qt/window_style.h"

#include <QFontDatabase>
#include <QLabel>
#include <QStringList>

#include "forms/layout_rules.h"
#include "qt/space_wrapped_label.h"
#include "qt/text_codec.h"

namespace ravelo {

QFont windowFont(FontSpec spec) {
    if (!QFontDatabase::hasFamily(toQString(spec.face))) {
        spec = standInFor(spec);
    }
    QFont font;
    // Where even the stand-in is missing, Arial's metric twin takes its place, and DejaVu last.
    font.setFamilies(QStringList{toQString(spec.face), QStringLiteral("Liberation Sans"),
                                 QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    font.setUnderline(spec.underline);
    // Set on every font, so that no face inherits another's spacing from its window.
    font.setLetterSpacing(QFont::PercentageSpacing, spec.letterSpacing);
    return font;
}

QLabel *addLabel(QWidget *parent, const QString &name, const QString &caption, QRect place) {
    auto *label = new SpaceWrappedLabel(caption, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(place);
    return label;
}

}  // namespace ravelo
