// Files read and written in one piece: a new file renamed over the old one, or a write in place that can be undone.
#include "WholeFile.h"

#include "RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <filesystem>
#include <system_error>

namespace {

enum class Replaced { Yes, No, NoTemporaryFile };

// A hidden name, short whatever the target's name: one made longer than a name of 255 bytes
// would not fit the folder.
QString TemporaryName()
{
    return QStringLiteral(".tessaly-%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

// Creates a new, empty file in the folder of `target` and leaves `file` open on it; false when
// the folder takes no new file.
bool CreateTemporaryBeside(const QString& target, QFile& file)
{
    const QDir folder = QFileInfo(target).absoluteDir();
    for (int attempt = 0; attempt < 8; ++attempt) {
        file.setFileName(folder.filePath(TemporaryName()));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
            return true;
        if (!QFileInfo::exists(file.fileName()))
            return false;  // not a name taken by chance: the folder refuses
    }
    return false;
}

bool WriteAll(QFile& file, QByteArrayView bytes)
{
    return file.write(bytes.data(), bytes.size()) == bytes.size();
}

std::filesystem::path FileSystemPath(const QString& path)
{
    return std::filesystem::path(path.toStdU16String());
}

// Writes `bytes` to a new file beside `target`, with the old file's permissions, and renames it
// over `target`: the old file is replaced whole or not at all.
Replaced ReplaceByRename(const QString& target, QByteArrayView bytes)
{
    QFile temporary;
    if (!CreateTemporaryBeside(target, temporary))
        return Replaced::NoTemporaryFile;
    bool written = WriteAll(temporary, bytes) && SyncToDisk(temporary);
    temporary.close();
    written = written && temporary.error() == QFileDevice::NoError
              && (!QFileInfo::exists(target) || temporary.setPermissions(QFile::permissions(target)));
    std::error_code error;
    if (written)
        std::filesystem::rename(FileSystemPath(temporary.fileName()), FileSystemPath(target), error);
    if (!written || error) {
        temporary.remove();
        return Replaced::No;
    }
    return Replaced::Yes;
}

// Overwrites `target` where it stands. The bytes the write overwrites are kept and put back when
// it fails, so a full disk leaves the old file as it was.
bool WriteInPlace(const QString& target, QByteArrayView bytes)
{
    QFile file(target);
    if (!OpenRegularFile(file, QIODevice::ReadWrite | QIODevice::Unbuffered))
        return false;
    const qint64 oldSize = file.size();
    const qint64 overlap = qMin(oldSize, qint64(bytes.size()));
    const QByteArray overwritten = file.read(overlap);
    if (overwritten.size() != overlap || !file.seek(0))
        return false;
    if (WriteAll(file, bytes) && file.resize(bytes.size()) && SyncToDisk(file))
        return true;
    file.seek(0);
    WriteAll(file, overwritten);
    file.resize(oldSize);
    SyncToDisk(file);
    return false;
}

}  // namespace

bool WriteWholeFile(const QString& path, QByteArrayView bytes)
{
    // A link is followed, so the file it names is replaced and the link stays.
    const QFileInfo named(path);
    const QString target = named.exists() ? named.canonicalFilePath() : named.absoluteFilePath();
    const QFileInfo old(target);
    // A folder, FIFO, socket or device is neither opened nor replaced, nor a file the player may not write.
    if (old.exists() && !(old.isFile() && old.isWritable()))
        return false;
    switch (ReplaceByRename(target, bytes)) {
    case Replaced::Yes:
        return true;
    case Replaced::No:
        return false;
    case Replaced::NoTemporaryFile:
        break;
    }
    // A folder the player may not create files in, holding a file the player may write.
    return old.exists() && WriteInPlace(target, bytes);
}

WholeFileRead ReadWholeFile(const QString& path, qint64 limit)
{
    QFile file(path);
    if (!OpenRegularFile(file, QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        return {};
    if (bytes.size() > limit)
        return {WholeFileRead::Status::TooLarge, {}};
    return {WholeFileRead::Status::Read, std::move(bytes)};
}
