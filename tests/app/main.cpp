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
// Qt is not built with ThreadSanitizer: its own pooled threads allocate and free behind
// locks the sanitizer cannot see. This checks only our instrumented code, which is all of
// ours, and keeps the sanitizer silent about memory that Qt alone touches.
extern "C" const char* __tsan_default_options()
{
    return "ignore_noninstrumented_modules=1";
}
#endif

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
