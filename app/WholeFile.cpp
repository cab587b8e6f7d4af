// Files read and written in one piece, for saved games and print.bmp.
#include "WholeFile.h"

#include <QFile>
#include <QSaveFile>

bool WriteWholeFile(const QString& path, QByteArrayView bytes)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

WholeFileRead ReadWholeFile(const QString& path, qint64 limit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        return {};
    if (bytes.size() > limit)
        return {WholeFileRead::Status::TooLarge, {}};
    return {WholeFileRead::Status::Read, std::move(bytes)};
}
