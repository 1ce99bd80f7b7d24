#include <QApplication>
#include <QGuiApplication>

#include "qt/form1.h"
#include "qt/program_style.h"
#include "qt/qt_translations.h"

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(new ravelo::ProgramStyle);
    ravelo::installQtTranslations(app);
    // The main window carries the program's icon; the desktop finds it again by the entry's name.
    QGuiApplication::setDesktopFileName(QStringLiteral("ravelo"));
    ravelo::Form1 form1;
    form1.show();
    return QApplication::exec();
}
