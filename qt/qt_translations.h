#pragma once

#include <QCoreApplication>
#include <QLocale>

namespace ravelo {

// Loads Qt's own translations (qtbase) for `locale` from Qt's translations folder, so that the
// words that Qt draws (standard buttons, context menus, its own file dialog, the names it gives
// for screen readers) follow the desktop's language, as Windows' own controls do. The program's
// own texts are its own and stay as they are. False, and nothing changes, where Qt has no
// translation for the language (English, C).
bool installQtTranslations(QCoreApplication &app, const QLocale &locale = QLocale::system());

}  // namespace ravelo
