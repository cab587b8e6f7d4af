// Print to Paper writes the board's picture beside the game and asks the desktop to open it; an installed copy
// (a folder closed to new files, or an application bundle) uses the player's pictures and documents folders.
#include "GameWindowFixture.h"
#include "PlayerFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>

namespace {

enum class Copy { Writable, PrintFileIsAFolder, WritableMacBundle, ReadOnlyWithPicturesAFile };

// `opens`: the desktop has a program for the picture; `writeError` (%1: the pictures folder) is empty for a good write.
struct PrintCase { const char* name; Copy copy; bool opens; const char* writeError; };

class PrintToPaperTest : public GameWindowFixture, public testing::WithParamInterface<PrintCase> {};

TEST_P(PrintToPaperTest, WritesThePictureWhereThePlayerMayWriteAndOpensIt)
{
    const PrintCase& c = GetParam();
    // The player's folders follow HOME while no user-dirs file names others.
    const QTemporaryDir home;
    const auto restore = qScopeGuard([home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME")] {
        qputenv("HOME", home);
        qputenv("XDG_CONFIG_HOME", config);
    });
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral(".config")).toLocal8Bit());
    const bool installed = c.copy >= Copy::WritableMacBundle;
    QString& appDir = m_dialog->m_appDir;
    if (c.copy == Copy::PrintFileIsAFolder) {
        ASSERT_TRUE(QDir(appDir).mkdir(QStringLiteral("print.bmp")));  // stops the write even for root
    } else if (c.copy == Copy::WritableMacBundle) {
        appDir = m_dir.filePath(QStringLiteral("Tessaly.app/Contents/MacOS"));
        ASSERT_TRUE(QDir().mkpath(appDir));
    } else if (c.copy == Copy::ReadOnlyWithPicturesAFile) {
        // An empty folder made read-only or, where that does not stop the writer (root passes over permission
        // bits), /proc, in which not even root can create a file.
        appDir = m_dir.filePath(QStringLiteral("installed"));
        ASSERT_TRUE(QDir().mkpath(appDir) && QFile::setPermissions(appDir, QFile::ReadOwner | QFile::ExeOwner));
        if (CanCreateFilesIn(appDir))
            appDir = QStringLiteral("/proc");
        if (CanCreateFilesIn(appDir))
            GTEST_SKIP() << "no folder here refuses new files";
        QFile pictures(home.filePath(QStringLiteral("Pictures")));
        ASSERT_TRUE(pictures.open(QIODevice::WriteOnly));
    }

    m_ui.m_openSucceeds = c.opens;
    Press(IDC_PRINT_TO_PAPER);
    const QString printFolder = installed ? home.filePath(QStringLiteral("Pictures")) : appDir;
    const QString printFile = QDir(printFolder).filePath(QStringLiteral("print.bmp"));
    QStringList messages;
    if (*c.writeError)
        messages << QString::fromLatin1(c.writeError).replace(QStringLiteral("%1"), printFolder);
    if (!c.opens && !*c.writeError)
        messages << "Can't find any program open the game image, you can find the output image 'print.bmp' in "
                        + (installed ? QDir::toNativeSeparators(printFolder) : "installation folder of Tessaly")
                        + ". Just print out this image.";
    EXPECT_EQ(m_ui.m_messages, messages);
    EXPECT_EQ(m_ui.m_opened, *c.writeError ? QStringList() : QStringList({printFile})) << "only a picture just written";
    if (!*c.writeError) {
        EXPECT_EQ(QImage(printFile, "BMP").convertToFormat(QImage::Format_RGB32),
                  Board().Picture().convertToFormat(QImage::Format_RGB32));
    }
    EXPECT_TRUE(FocusOnList());

    Press(IDC_SAVE_GAME);
    Press(IDC_LOAD_GAME);
    const QString dialogs = installed ? home.filePath(QStringLiteral("Documents")) : appDir;
    EXPECT_EQ(m_ui.m_fileDialogs,
              QStringList({"save " + dialogs + " SaveGame (*.sav)", "open " + dialogs + " SaveGame (*.sav)"}));
    EXPECT_TRUE(QFileInfo(dialogs).isDir());
}

INSTANTIATE_TEST_SUITE_P(
    Folders, PrintToPaperTest,
    testing::Values(
        PrintCase{"WritableFolderKeepsEverythingBesideTheGame", Copy::Writable, true, ""},
        PrintCase{"UnwritablePrintFileSaysSoAndOpensNothing", Copy::PrintFileIsAFolder, false,
                  "error! can't write to print.bmp"},
        PrintCase{"WritableMacBundleCountsAsInstalled", Copy::WritableMacBundle, false, ""},
        PrintCase{"InstalledCopyNamesTheUnwritablePicturesFolder", Copy::ReadOnlyWithPicturesAFile, false,
                  "error! can't write to print.bmp in %1"}),
    [](const testing::TestParamInfo<PrintCase>& info) { return std::string(info.param.name); });

}  // namespace
