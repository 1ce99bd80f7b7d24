#include <QApplication>
#include <QIcon>

#include "ui/form1.h"

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/ravelo.ico")));
    ravelo::Form1 form1;
    form1.show();
    return QApplication::exec();
}
