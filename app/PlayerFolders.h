// Where the game writes: beside the executable in a copy the player owns, in the player's own folders in an installed one.
#pragma once

#include <QString>

// True when a file can really be created in `folder`. It tries, rather than reading the
// permission bits, which do not hold back an administrator and say nothing about a
// read-only disk.
bool CanCreateFilesIn(const QString& folder);

// Where Print to Paper puts print.bmp, and how its messages name that folder.
struct PrintPlace {
    QString m_path;        // the full path of print.bmp
    QString m_folderName;  // "installation folder of Tessaly", or the folder's own path
};

// An installed copy: `appDir` exists, but no file can be created in it, or it lies in a
// macOS application bundle (name.app/Contents/MacOS). A folder that is gone is not one:
// writing there fails and says so, as in any copy.
bool IsInstalledCopy(const QString& appDir);

// print.bmp beside the executable; in an installed copy, in the player's pictures folder,
// which is created if missing.
PrintPlace ChoosePrintPlace(const QString& appDir);

// The folder in which the save and load dialogs start: `appDir`; in an installed copy, the
// player's documents folder (created if missing).
QString ChooseGameFolder(const QString& appDir);

// "error! can't write to print.bmp", naming the folder too when it is not the game's own.
QString CannotWritePrintMessage(const PrintPlace& place);

// The message for a picture that no program opened, saying where it lies.
QString NoProgramForPictureMessage(const PrintPlace& place);
