// Files read and written in one piece, for saved games and print.bmp.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The most any file the game reads whole may hold: a saved game is a few hundred bytes.
inline constexpr qint64 WholeFileLimit = 4 * 1024;

// Replaces `path` with exactly `bytes` (no line-end translation). The bytes go to a
// temporary file first, so a failed write leaves an existing file as it was; where no
// temporary file can be made beside it (a folder the player may not create files in),
// an existing file the player may write is written in place. False when the file could
// not be written.
bool WriteWholeFile(const QString& path, QByteArrayView bytes);

struct WholeFileRead {
    enum class Status { Read, CannotRead, TooLarge };
    Status status = Status::CannotRead;
    QByteArray bytes;  // the whole content, when Read
};

// The content of `path` when it holds at most `limit` bytes. Reads at most one byte more
// than that, whatever the file's size, so a huge file costs neither time nor memory.
WholeFileRead ReadWholeFile(const QString& path, qint64 limit = WholeFileLimit);
