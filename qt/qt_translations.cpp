#include "qt/qt_translations.h"

#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

namespace ravelo {

bool installQtTranslations(QCoreApplication &app, const QLocale &locale) {
    auto *translator = new QTranslator(&app);
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

}  // namespace ravelo
