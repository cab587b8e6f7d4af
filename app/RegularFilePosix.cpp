// Opening without waiting, on POSIX: O_NONBLOCK for the open, then fstat says what was opened.
#include "RegularFile.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool OpenRegularFile(QFile& file, QIODevice::OpenMode mode)
{
    // Looked at first, so that a device is not even opened.
    if (!QFileInfo(file.fileName()).isFile())
        return false;
    const int access = !mode.testFlag(QIODevice::WriteOnly) ? O_RDONLY
                       : mode.testFlag(QIODevice::ReadOnly) ? O_RDWR : O_WRONLY;
    // Opening a FIFO without O_NONBLOCK waits for its other end; O_NOCTTY keeps a terminal from
    // becoming ours.
    const int fd = ::open(QFile::encodeName(file.fileName()).constData(), access | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status {};
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0
        || !file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

bool SyncToDisk(QFile& file)
{
    return fsync(file.handle()) == 0;
}
