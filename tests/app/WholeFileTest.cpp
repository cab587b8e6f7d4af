// Whole-file reads stop at the bound; whole-file writes get through a folder closed to new files.
#include "WholeFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifdef __linux__
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

TEST(WholeFileTest, ReadsUpToTheBoundAndRejectsLargerFilesWithoutReadingThem)
{
    using enum WholeFileRead::Status;
    const struct { const char* name; qint64 size; WholeFileRead::Status status; } cases[] = {
        {"at the bound", WholeFileLimit, Read},
        {"one byte more", WholeFileLimit + 1, TooLarge},
        {"sparse 3 GiB", 3LL << 30, TooLarge},
        {"missing", -1, CannotRead},
    };
    QTemporaryDir dir;
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const QString path = dir.filePath(QString::fromLatin1(test.name));
        if (QFile file(path); test.size >= 0) {
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(test.size));  // sparse where it can be
        }
        QElapsedTimer clock;
        clock.start();
        const WholeFileRead read = ReadWholeFile(path);
        EXPECT_LT(clock.elapsed(), 500) << "milliseconds";
        EXPECT_EQ(read.status, test.status);
        EXPECT_EQ(read.bytes.size(), test.status == Read ? test.size : 0);
    }
}

#ifdef __linux__
// A folder the player may not create files in, holding a file the player may write.
TEST(WholeFileTest, WritesInPlaceWhereTheFolderTakesNoTemporaryFile)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("print.bmp")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
    file.close();
    ASSERT_EQ(chmod(qPrintable(file.fileName()), 0666), 0);
    ASSERT_EQ(chmod(qPrintable(dir.path()), 0555), 0);

    // Folder permissions bind root only through another file-system user, which Linux keeps
    // per thread: this thread writes as "nobody" for the two writes.
    const auto writeAs = [root = geteuid() == 0](unsigned user) {
        if (root) {
            setfsgid(user);
            setfsuid(user);
        }
    };
    writeAs(65534);
    const bool writable = WriteWholeFile(file.fileName(), "new bytes");
    const bool created = WriteWholeFile(dir.filePath(QStringLiteral("game.sav")), "new bytes");
    writeAs(0);
    chmod(qPrintable(dir.path()), 0755);

    EXPECT_TRUE(writable);
    EXPECT_FALSE(created) << "the folder takes no new file, so the write above went in place";
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "new bytes");
}
#endif
