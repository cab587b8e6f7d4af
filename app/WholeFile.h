// Files read and written in one piece, for saved games and print.bmp.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// Replaces `path` with exactly `bytes` (no line-end translation). The bytes go to a
// temporary file first, so a failed write leaves an existing file as it was. False when
// the file could not be written.
bool WriteWholeFile(const QString& path, QByteArrayView bytes);

// The whole content of `path`, or nothing when it cannot be opened or read.
std::optional<QByteArray> ReadWholeFile(const QString& path);
