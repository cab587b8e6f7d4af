// The test runner of the game window: GoogleTest inside a Qt application.
#include "Resources.h"

#include <QApplication>

#include <gtest/gtest.h>

// Read only by ThreadSanitizer's runtime. Qt is not instrumented: its pooled threads free memory
// behind locks the sanitizer cannot see.
extern "C" const char* __tsan_default_options() { return "ignore_noninstrumented_modules=1"; }

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))  // ctest sets it; listing the tests at build time does not
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tessaly"));
    InitTessalyResources();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
