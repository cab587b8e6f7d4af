// Start-up: the data.dat check, the window that does not open without it, the display check.
#include "CGameApp.h"
#include "DisplayCheck.h"
#include "GameWindowFixture.h"

#include <QApplication>
#include <QDir>
#include <QScopeGuard>

namespace {

// Only a file counts: a folder of that name is no data file, and the program ends before any window opens.
TEST(StartupTest, WithoutADataFileTheReinstallMessageShowsAndNoWindowOpens)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("data.dat"));
    RecordingUi ui;
    const auto windowsBefore = QApplication::topLevelWidgets().size();
    CGameApp game(ui, dir.path());
    EXPECT_NE(game.InitInstance(), 0);
    EXPECT_EQ(ui.m_messages, QStringList({"data.dat file was removed, please reinstall Tessaly for windows\nProgram quit now"}));
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore);
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
// Sets or removes an environment variable until the returned guard ends.
auto OverrideEnvironment(const char* name, const char* value)
{
    const bool had = qEnvironmentVariableIsSet(name);
    const QByteArray old = qgetenv(name);
    value ? qputenv(name, value) : qunsetenv(name);
    return qScopeGuard([=] { had ? qputenv(name, old) : qunsetenv(name); });
}

TEST(DisplayCheckTest, AnyDisplayOrChosenPlatformIsEnoughAndNeitherGivesOneLine)
{
    const auto wayland = OverrideEnvironment("WAYLAND_DISPLAY", nullptr);
    const std::pair<const char*, const char*> cases[] = {{nullptr, nullptr}, {":0", nullptr}, {nullptr, "offscreen"}};
    for (const auto& [display, platform] : cases) {
        const auto displayGuard = OverrideEnvironment("DISPLAY", display);
        const auto platformGuard = OverrideEnvironment("QT_QPA_PLATFORM", platform);
        const std::string reason = MissingDisplayReason();
        EXPECT_EQ(reason.empty(), display || platform) << "DISPLAY " << (display ? display : "unset");
        EXPECT_EQ(reason.find('\n'), std::string::npos);
    }
}
#endif

}  // namespace
