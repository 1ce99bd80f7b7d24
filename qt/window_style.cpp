#include "qt/window_style.h"

#include <QFontDatabase>
#include <QLabel>
#include <QStringList>

#include "qt/space_wrapped_label.h"

namespace ravelo {

QFont windowFont(const QString &face, qreal points, bool bold, bool underline) {
    QFont font;
    // Arial's metric twin stands in for the Arial faces; Arial Black's heavy strokes are
    // imitated by its bold weight. Arial Rounded MT Bold keeps the regular weight, so that every
    // status text still fits the status line.
    font.setFamilies(QStringList{face, QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                                 QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    const bool heavyFace = face == QLatin1String("Arial Black") && !QFontDatabase::hasFamily(face);
    font.setBold(bold || heavyFace);
    // MS Sans Serif sets a little narrower than Arial; closer letters keep its line breaks. The
    // spacing is set on every font, so that no other face inherits it from its window.
    const bool narrowFace =
        face == QLatin1String("MS Sans Serif") && !QFontDatabase::hasFamily(face);
    font.setLetterSpacing(QFont::PercentageSpacing, narrowFace ? 98 : 100);
    font.setUnderline(underline);
    return font;
}

QFont windowFont(const FontSpec &font) {
    return windowFont(QString::fromUtf8(font.face.data(), static_cast<qsizetype>(font.face.size())),
                      font.points, font.bold, font.underline);
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
