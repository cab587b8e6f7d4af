// Whole-file reads and writes on every kind of path a player's disk can offer: a write lands whole or leaves the
// old file exactly as it was, nothing but a regular file is opened, and nothing waits.
#include "AtOnce.h"
#include "WholeFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <iostream>
#include <optional>

#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

// While it lives, no file of this process grows past `bytes`: a write beyond fails with EFBIG,
// as on a full disk, instead of raising SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : m_handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_before);
        const rlimit limit{bytes, m_before.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_before); std::signal(SIGXFSZ, m_handler); }

private:
    void (*m_handler)(int);
    rlimit m_before{};
};

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

enum class Target { OldFile, None, Fifo, Folder, Device };
enum class Disk { Roomy, SizeLimit };

// `longName`: 255 bytes, the most a name may have; `closedFolder`: the writer may not create files in the
// folder, but may write the old file.
struct Situation { const char* name; Target target; Disk disk; bool longName, closedFolder, writes; };

// The kind of what stands at `path`, without following a link.
std::string KindAt(const QString& path)
{
    struct stat status {};
    if (lstat(QFile::encodeName(path).constData(), &status) != 0)
        return "nothing";
    return S_ISREG(status.st_mode) ? "file" : S_ISFIFO(status.st_mode) ? "fifo" : S_ISDIR(status.st_mode) ? "folder"
         : S_ISCHR(status.st_mode) ? "device" : "other";
}

// Folder permissions bind root only through another file-system user, which Linux keeps per thread:
// `work` runs on this thread as "nobody" then.
template <typename Work>
bool AsWriterOf(bool closedFolder, Work work)
{
    const bool asNobody = closedFolder && geteuid() == 0;
    if (asNobody) { setfsgid(65534); setfsuid(65534); }
    const bool result = work();
    if (asNobody) { setfsuid(0); setfsgid(0); }
    return result;
}

// Each situation is written, then read back. A write that fails leaves the folder holding exactly what it held.
TEST(WholeFileTest, WritesLandWholeOrChangeNothingAndOnlyRegularFilesAreOpened)
{
    using enum Target;
    using enum Disk;
    const Situation situations[] = {
        {"replaces an old file", OldFile, Roomy, false, false, true},
        {"replaces an old file under the longest name", OldFile, Roomy, true, false, true},
        {"file size limit keeps the old file", OldFile, SizeLimit, false, false, false},
        {"file size limit leaves no empty new file", None, SizeLimit, false, false, false},
        {"FIFO stays a FIFO", Fifo, Roomy, false, false, false},
        {"FIFO in a closed folder is not opened", Fifo, Roomy, false, true, false},
        {"folder stays a folder", Folder, Roomy, false, false, false},
        {"device stays a device", Device, Roomy, false, false, false},
        {"closed folder: the old file written in place", OldFile, Roomy, false, true, true},
        {"closed folder: no new file", None, Roomy, false, true, false},
        {"closed folder: file size limit keeps the old file", OldFile, SizeLimit, false, true, false},
    };
    const QByteArray oldBytes(252, 'o'), newBytes(300, 'n');
    for (const Situation& s : situations) {
        SCOPED_TRACE(s.name);
        QTemporaryDir dir;
        const QString folder = dir.path();
        const QString path = QDir(folder).filePath(s.longName ? QString(251, 'g') + ".sav" : QStringLiteral("game.sav"));
        const QByteArray name = QFile::encodeName(path);
        if (s.target == OldFile) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(oldBytes) == oldBytes.size());
        }
        ASSERT_EQ(s.target == Fifo ? mkfifo(name.constData(), 0666) : 0, 0);
        ASSERT_TRUE(s.target != Folder || QDir().mkdir(path));
        if (s.target == Device && mknod(name.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0) {  // like /dev/null
            std::cout << "[  SKIPPED ] " << s.name << ": no device may be made here\n";
            continue;
        }
        if (s.closedFolder) {
            ASSERT_EQ(s.target == OldFile ? chmod(name.constData(), 0666) : 0, 0);
            ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0555), 0);
        }
        const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        const std::string kind = KindAt(path);

        const bool written = AtOnce([&] {
            return AsWriterOf(s.closedFolder, [&] {
                std::optional<FileSizeLimit> limit;
                if (s.disk == SizeLimit)
                    limit.emplace(100);
                return WriteWholeFile(path, newBytes);
            });
        });
        chmod(QFile::encodeName(folder).constData(), 0755);
        EXPECT_EQ(written, s.writes);
        EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot), entries)
            << "nothing left behind";
        EXPECT_EQ(KindAt(path), s.writes ? "file" : kind) << "nothing replaced";

        const WholeFileRead read = AtOnce([&] { return ReadWholeFile(path); });
        const bool readable = s.writes || s.target == OldFile;
        EXPECT_EQ(read.status, readable ? WholeFileRead::Status::Read : WholeFileRead::Status::CannotRead);
        EXPECT_EQ(read.bytes, !readable ? QByteArray() : s.writes ? newBytes : oldBytes);
    }
}

}  // namespace
