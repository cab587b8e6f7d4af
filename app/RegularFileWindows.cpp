// Opening without waiting, on Windows: its file system holds no FIFOs, so a regular file opens at once.
#include "RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <windows.h>

bool OpenRegularFile(QFile& file, QIODevice::OpenMode mode)
{
    return QFileInfo(file.fileName()).isFile() && file.open(mode | QIODevice::ExistingOnly);
}

bool SyncToDisk(QFile& file)
{
    // QFile keeps its native handle to itself; flushing any handle of the file writes its data through.
    const std::wstring path = QDir::toNativeSeparators(file.fileName()).toStdWString();
    const HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    const bool flushed = FlushFileBuffers(handle);
    CloseHandle(handle);
    return flushed;
}
