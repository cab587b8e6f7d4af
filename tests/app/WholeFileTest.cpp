// Whole-file reads stop at the bound; whole-file writes get through a folder closed to new files.
#include "WholeFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifdef __linux__
#include <sys/fsuid.h>
#include <unistd.h>
#endif

namespace {

TEST(WholeFileTest, ReadsUpToTheBoundAndRejectsLargerFilesWithoutReadingThem)
{
    const struct {
        const char* name;
        qint64 size;  // of a file of that many zero bytes, sparse where the file system allows; -1: none
        WholeFileRead::Status status;
    } cases[] = {
        {"at the bound", WholeFileLimit, WholeFileRead::Status::Read},
        {"one byte more", WholeFileLimit + 1, WholeFileRead::Status::TooLarge},
        {"sparse 3 GiB", 3LL << 30, WholeFileRead::Status::TooLarge},
        {"missing", -1, WholeFileRead::Status::CannotRead},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const QString path = dir.filePath(QString::fromLatin1(test.name));
        if (test.size >= 0) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            ASSERT_TRUE(file.resize(test.size));
        }
        QElapsedTimer clock;
        clock.start();
        const WholeFileRead read = ReadWholeFile(path);
        EXPECT_LT(clock.elapsed(), 500) << "milliseconds";
        EXPECT_EQ(read.status, test.status);
        EXPECT_EQ(read.bytes.size(), test.status == WholeFileRead::Status::Read ? test.size : 0);
        QFile::remove(path);
    }
}

#ifdef __linux__
// A folder the player may not create files in, holding a file the player may write.
TEST(WholeFileTest, WritesInPlaceWhereTheFolderTakesNoTemporaryFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QDir folder(dir.filePath(QStringLiteral("closed")));
    ASSERT_TRUE(folder.mkpath(QStringLiteral(".")));
    const auto everyone = [](bool write) {
        QFile::Permissions permissions = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther | QFile::ExeOwner
                                         | QFile::ExeGroup | QFile::ExeOther;
        if (write)
            permissions |= QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
        return permissions;
    };
    QFile file(folder.filePath(QStringLiteral("print.bmp")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write("old"), 3);
    file.close();
    ASSERT_TRUE(file.setPermissions(everyone(true)));
    ASSERT_TRUE(QFile::setPermissions(dir.path(), everyone(false)));
    ASSERT_TRUE(QFile::setPermissions(folder.path(), everyone(false)));

    // Folder permissions bind root only through another file-system user, which Linux keeps
    // per thread: this thread writes as "nobody" for the two writes.
    const bool root = geteuid() == 0;
    if (root) {
        setfsgid(65534);
        setfsuid(65534);
    }
    const bool writable = WriteWholeFile(file.fileName(), "new bytes");
    const bool created = WriteWholeFile(folder.filePath(QStringLiteral("game.sav")), "new bytes");
    if (root) {
        setfsuid(0);
        setfsgid(0);
    }
    QFile::setPermissions(folder.path(), everyone(true));
    QFile::setPermissions(dir.path(), everyone(true));

    EXPECT_TRUE(writable);
    EXPECT_FALSE(created) << "the folder takes no new file, so the write above went in place";
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "new bytes");
    EXPECT_EQ(folder.entryList(QDir::Files), QStringList({"print.bmp"}));
}
#endif

}  // namespace
