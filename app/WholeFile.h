// Files read and written in one piece, for saved games and print.bmp.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The most any file the game reads whole may hold: a saved game is a few hundred bytes.
inline constexpr qint64 WholeFileLimit = 4 * 1024;

// Replaces `path` with exactly `bytes` (no line-end translation), or leaves it exactly as it was
// and is false. The bytes go to a new file with a short name of its own in the same folder, which
// replaces the old file in one rename once it is written and on the disk: so any name that fits
// the folder can be replaced, and a full disk stops the write before the old file is touched.
// Only where the folder takes no new file is an existing file written in place, and what that
// write overwrote is put back when it fails. A link is followed; a folder, FIFO, socket or device
// is neither opened nor replaced, nor a file the player may not write.
bool WriteWholeFile(const QString& path, QByteArrayView bytes);

struct WholeFileRead {
    enum class Status { Read, CannotRead, TooLarge };
    Status status = Status::CannotRead;
    QByteArray bytes;  // the whole content, when Read
};

// The content of `path` when it is a regular file of at most `limit` bytes; anything else is
// refused without waiting on it. Reads at most one byte more than the limit, whatever the file's
// size, so a huge file costs neither time nor memory.
WholeFileRead ReadWholeFile(const QString& path, qint64 limit = WholeFileLimit);
