// Opening without waiting, on Windows: its file system holds no FIFOs, so a regular file opens at once.
#include "RegularFile.h"

#include <QFile>
#include <QFileInfo>

#include <io.h>
#include <windows.h>

bool OpenRegularFile(QFile& file, QIODevice::OpenMode mode)
{
    return QFileInfo(file.fileName()).isFile() && file.open(mode | QIODevice::ExistingOnly);
}

bool SyncToDisk(QFile& file)
{
    return FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle())));
}
