// The test runner of the game window: GoogleTest inside a Qt application.
#include "Resources.h"

#include <QApplication>

#include <gtest/gtest.h>

#if defined(__SANITIZE_THREAD__)
#define TESSALY_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define TESSALY_THREAD_SANITIZER 1
#endif
#endif

#ifdef TESSALY_THREAD_SANITIZER
// Qt is not instrumented: its pooled threads free memory behind locks the sanitizer cannot see.
extern "C" const char* __tsan_default_options() { return "ignore_noninstrumented_modules=1"; }
#endif

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
