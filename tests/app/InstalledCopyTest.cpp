// An installed copy (a folder the player cannot write, or an application bundle) prints to the pictures folder and saves from the documents folder.
#include "GameWindowFixture.h"
#include "PlayerFolders.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString NoProgram(const QString& place)
{
    return "Can't find any program open the game image, you can find the output image 'print.bmp' in " + place
           + ". Just print out this image.";
}

enum class AppFolder { Writable, ReadOnly, Bundle };  // Bundle: a writable macOS application bundle
enum class Pictures { Missing, Blocked };  // Blocked: a plain file stands where the folder would be

struct FolderCase {
    const char* name;
    AppFolder appFolder;
    Pictures pictures;
    const char* printFolder;   // "app" or a folder under the player's home
    const char* dialogFolder;  // the same
    bool printed;
    const char* writeError;    // empty when the write succeeds
};

class InstalledCopyTest : public GameWindowFixture, public testing::WithParamInterface<FolderCase> {
protected:
    void SetUp() override
    {
        GameWindowFixture::SetUp();
        ASSERT_TRUE(m_home.isValid());
        // The player's folders follow HOME while no user-dirs file names others.
        m_savedHome = qgetenv("HOME");
        m_savedConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", m_home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", m_home.filePath(QStringLiteral(".config")).toLocal8Bit());
    }
    void TearDown() override
    {
        qputenv("HOME", m_savedHome);
        qputenv("XDG_CONFIG_HOME", m_savedConfig);
        if (!m_readOnly.isEmpty())
            QFile::setPermissions(m_readOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // A folder in which no file can be created: one made read-only for the test, or, where
    // that does not stop the writer (root passes over permission bits), /proc, in which not
    // even root can create a file.
    QString ReadOnlyFolder()
    {
        m_readOnly = m_dir.filePath(QStringLiteral("installed"));
        QDir().mkpath(m_readOnly);
        QFile::setPermissions(m_readOnly, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        if (!CanCreateFilesIn(m_readOnly))
            return m_readOnly;
        return CanCreateFilesIn(QStringLiteral("/proc")) ? QString() : QStringLiteral("/proc");
    }

    QString Folder(const char* where)
    {
        return std::string_view(where) == "app" ? m_dialog->m_appDir : m_home.filePath(QString::fromLatin1(where));
    }

    QTemporaryDir m_home;
    QByteArray m_savedHome;
    QByteArray m_savedConfig;
    QString m_readOnly;
};

TEST_P(InstalledCopyTest, PrintsAndOpensDialogsWhereThePlayerMayWrite)
{
    const FolderCase& c = GetParam();
    const bool installed = c.appFolder != AppFolder::Writable;
    if (c.appFolder == AppFolder::ReadOnly) {
        const QString folder = ReadOnlyFolder();
        if (folder.isEmpty())
            GTEST_SKIP() << "no folder here refuses new files";
        m_dialog->m_appDir = folder;
    } else if (c.appFolder == AppFolder::Bundle) {
        m_dialog->m_appDir = m_dir.filePath(QStringLiteral("Tessaly.app/Contents/MacOS"));
        ASSERT_TRUE(QDir().mkpath(m_dialog->m_appDir));
    }
    if (c.pictures == Pictures::Blocked) {
        QFile blocker(m_home.filePath(QStringLiteral("Pictures")));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    const QStringList appFilesBefore = QDir(m_dialog->m_appDir).entryList(QDir::Files | QDir::Hidden);

    m_ui.m_openSucceeds = false;
    Press(1009);
    const QString printFolder = Folder(c.printFolder);
    const QString printFile = QDir(printFolder).filePath(QStringLiteral("print.bmp"));
    const QString place = installed ? QDir::toNativeSeparators(printFolder) : "installation folder of Tessaly";
    QStringList messages = {NoProgram(place)};
    if (*c.writeError)
        messages.prepend(QString::fromLatin1(c.writeError).arg(printFolder));
    EXPECT_EQ(m_ui.m_messages, messages);
    EXPECT_EQ(m_ui.m_opened, QStringList({printFile}));
    EXPECT_EQ(QFileInfo(printFile).size(), c.printed ? 779742 : 0);  // the picture itself: PrintToPaperTest
    EXPECT_TRUE(FocusOnList());

    Press(1003);
    Press(1004);
    const QString dialogs = Folder(c.dialogFolder);
    EXPECT_EQ(m_ui.m_fileDialogs, QStringList({"save " + dialogs + " SaveGame (*.sav)",
                                               "open " + dialogs + " SaveGame (*.sav)"}));
    EXPECT_TRUE(QFileInfo(dialogs).isDir());
    if (installed) {
        EXPECT_EQ(QDir(m_dialog->m_appDir).entryList(QDir::Files | QDir::Hidden), appFilesBefore);
    } else {
        // Only print.bmp is new: the write probe leaves nothing, and the player's folders stay untouched.
        EXPECT_EQ(QDir(m_dialog->m_appDir).entryList(QDir::Files | QDir::Hidden),
                  QStringList({"data.dat", "print.bmp"}));
        EXPECT_EQ(QDir(m_home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, InstalledCopyTest,
    testing::Values(
        FolderCase{"WritableFolderKeepsEverythingBesideTheGame", AppFolder::Writable, Pictures::Missing, "app", "app", true, ""},
        FolderCase{"InstalledCopyUsesTheCreatedPicturesAndDocumentsFolders", AppFolder::ReadOnly, Pictures::Missing, "Pictures",
                   "Documents", true, ""},
        FolderCase{"WritableMacBundleIsNeverWrittenInto", AppFolder::Bundle, Pictures::Missing, "Pictures",
                   "Documents", true, ""},
        FolderCase{"UnwritablePicturesFolderIsNamedInBothMessages", AppFolder::ReadOnly, Pictures::Blocked, "Pictures",
                   "Documents", false, "error! can't write to print.bmp in %1"}),
    [](const testing::TestParamInfo<FolderCase>& info) { return std::string(info.param.name); });

}  // namespace
