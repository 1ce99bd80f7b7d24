#include <gtest/gtest.h>

#include <QApplication>

#include "qt/program_style.h"

// Window tests run without a display unless one is asked for.
int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setStyle(new ravelo::ProgramStyle);  // the program's own look
    return RUN_ALL_TESTS();
}
