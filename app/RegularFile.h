// Opening a file without ever waiting on it, and writing one through to the disk: the platform's part of WholeFile.
#pragma once

#include <QIODevice>

class QFile;

// Opens `file` (by its fileName()) in `mode` only when it names an existing regular file, or a
// link to one. Anything else (a FIFO, socket, device or folder) is refused without waiting,
// also one put in place of a file after the caller looked. Never creates or truncates a file.
bool OpenRegularFile(QFile& file, QIODevice::OpenMode mode);

// Hands what was written to `file` to the disk, so that a rename after it cannot leave an
// empty file behind a crash. False when the disk reports an error.
bool SyncToDisk(QFile& file);
