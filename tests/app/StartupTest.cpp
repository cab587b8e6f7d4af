// Start-up: the data.dat check, the window that does not open without it, the display check.
#include "CGameApp.h"
#include "DisplayCheck.h"
#include "RecordingUi.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Sets or removes an environment variable for one test and puts it back afterwards.
class EnvironmentOverride {
public:
    EnvironmentOverride(const char* name, const char* value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        if (value)
            qputenv(name, value);
        else
            qunsetenv(name);
    }
    ~EnvironmentOverride()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

}  // namespace

TEST(StartupTest, DataFilePresentPasses)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("data.dat"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    RecordingUi ui;
    EXPECT_TRUE(CheckDataFile(dir.path(), ui));
    EXPECT_TRUE(ui.m_messages.isEmpty());
}

TEST(StartupTest, DataFileMissingShowsTheReinstallMessage)
{
    QTemporaryDir dir;
    RecordingUi ui;
    EXPECT_FALSE(CheckDataFile(dir.path(), ui));
    EXPECT_EQ(ui.m_messages,
              QStringList({"data.dat file was removed, please reinstall Tessaly for windows\nProgram quit now"}));
}

TEST(StartupTest, FolderNamedDataDatDoesNotCount)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("data.dat"));
    RecordingUi ui;
    EXPECT_FALSE(CheckDataFile(dir.path(), ui));
}

TEST(StartupTest, WithoutDataFileTheProgramEndsWithoutAWindow)
{
    QTemporaryDir dir;
    RecordingUi ui;
    const auto windowsBefore = QApplication::topLevelWidgets().size();
    CGameApp game(ui, dir.path());
    EXPECT_NE(game.InitInstance(), 0);
    EXPECT_EQ(ui.m_messages.size(), 1);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore);
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
TEST(DisplayCheckTest, NoDisplayAndNoPlatformGivesOneLine)
{
    EnvironmentOverride display("DISPLAY", nullptr);
    EnvironmentOverride wayland("WAYLAND_DISPLAY", nullptr);
    EnvironmentOverride platform("QT_QPA_PLATFORM", nullptr);
    const std::string reason = MissingDisplayReason();
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(reason.find('\n'), std::string::npos);
}

TEST(DisplayCheckTest, AnyDisplayOrChosenPlatformIsEnough)
{
    EnvironmentOverride wayland("WAYLAND_DISPLAY", nullptr);
    {
        EnvironmentOverride display("DISPLAY", ":0");
        EnvironmentOverride platform("QT_QPA_PLATFORM", nullptr);
        EXPECT_EQ(MissingDisplayReason(), "");
    }
    {
        EnvironmentOverride display("DISPLAY", nullptr);
        EnvironmentOverride platform("QT_QPA_PLATFORM", "offscreen");
        EXPECT_EQ(MissingDisplayReason(), "");
    }
}
#endif
