// Start-up: the data.dat check, the window that does not open without it, the display check.
#include "CGameApp.h"
#include "DisplayCheck.h"
#include "RecordingUi.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString Reinstall =
    QStringLiteral("data.dat file was removed, please reinstall Tessaly for windows\nProgram quit now");

}  // namespace

TEST(StartupTest, OnlyADataFileCountsAndOtherwiseTheReinstallMessageShows)
{
    enum Entry { File, Folder, Nothing };
    for (const Entry entry : {File, Folder, Nothing}) {
        SCOPED_TRACE(entry);
        QTemporaryDir dir;
        if (entry == File) {
            QFile file(dir.filePath("data.dat"));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        } else if (entry == Folder) {
            ASSERT_TRUE(QDir(dir.path()).mkdir("data.dat"));
        }
        RecordingUi ui;
        EXPECT_EQ(CheckDataFile(dir.path(), ui), entry == File);
        EXPECT_EQ(ui.m_messages, entry == File ? QStringList() : QStringList({Reinstall}));
    }
}

TEST(StartupTest, WithoutDataFileTheProgramEndsWithoutAWindow)
{
    QTemporaryDir dir;
    RecordingUi ui;
    const auto windowsBefore = QApplication::topLevelWidgets().size();
    CGameApp game(ui, dir.path());
    EXPECT_NE(game.InitInstance(), 0);
    EXPECT_EQ(ui.m_messages, QStringList({Reinstall}));
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore);
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
namespace {

// Sets or removes an environment variable until the returned guard ends.
auto OverrideEnvironment(const char* name, const char* value)
{
    const bool had = qEnvironmentVariableIsSet(name);
    const QByteArray old = qgetenv(name);
    value ? qputenv(name, value) : qunsetenv(name);
    return qScopeGuard([=] { had ? qputenv(name, old) : qunsetenv(name); });
}

}  // namespace

TEST(DisplayCheckTest, AnyDisplayOrChosenPlatformIsEnoughAndNeitherGivesOneLine)
{
    const auto wayland = OverrideEnvironment("WAYLAND_DISPLAY", nullptr);
    {
        const auto display = OverrideEnvironment("DISPLAY", nullptr);
        const auto platform = OverrideEnvironment("QT_QPA_PLATFORM", nullptr);
        const std::string reason = MissingDisplayReason();
        EXPECT_FALSE(reason.empty());
        EXPECT_EQ(reason.find('\n'), std::string::npos);
    }
    {
        const auto display = OverrideEnvironment("DISPLAY", ":0");
        const auto platform = OverrideEnvironment("QT_QPA_PLATFORM", nullptr);
        EXPECT_EQ(MissingDisplayReason(), "");
    }
    {
        const auto display = OverrideEnvironment("DISPLAY", nullptr);
        const auto platform = OverrideEnvironment("QT_QPA_PLATFORM", "offscreen");
        EXPECT_EQ(MissingDisplayReason(), "");
    }
}
#endif
