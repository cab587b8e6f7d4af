// The test runner of the game window: GoogleTest inside a Qt application.
#include "Resources.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    // ctest sets this too; listing the tests at build time runs without it.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tessaly"));
    InitTessalyResources();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
