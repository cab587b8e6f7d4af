// Where the game writes: beside the executable in a copy the player owns, in the player's own folders in an installed one.
#include "PlayerFolders.h"

#include "PlayerTexts.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

// The player's folder of this kind, created if missing; the home folder if there is none.
QString PlayerFolder(QStandardPaths::StandardLocation location)
{
    QString folder = QStandardPaths::writableLocation(location);
    if (folder.isEmpty())
        folder = QDir::homePath();
    QDir().mkpath(folder);
    return folder;
}

}  // namespace

bool CanCreateFilesIn(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".tessaly-probe-XXXXXX")));
    return probe.open();  // removed again when the probe goes
}

bool IsInstalledCopy(const QString& appDir)
{
    // A macOS application bundle is never written into, even by an owner who could: that
    // would change the signed bundle.
    if (QDir::cleanPath(appDir).endsWith(QStringLiteral(".app/Contents/MacOS")))
        return true;
    return QDir(appDir).exists() && !CanCreateFilesIn(appDir);
}

PrintPlace ChoosePrintPlace(const QString& appDir)
{
    if (!IsInstalledCopy(appDir))
        return {appDir + QStringLiteral("/print.bmp"), Text(kInstallationFolder)};
    const QString pictures = PlayerFolder(QStandardPaths::PicturesLocation);
    return {QDir(pictures).filePath(QStringLiteral("print.bmp")), QDir::toNativeSeparators(pictures)};
}

QString ChooseGameFolder(const QString& appDir)
{
    return !IsInstalledCopy(appDir) ? appDir : PlayerFolder(QStandardPaths::DocumentsLocation);
}

QString CannotWritePrintMessage(const PrintPlace& place)
{
    return place.m_folderName == Text(kInstallationFolder) ? Text(kCannotWritePrint)
                                                           : Text(kCannotWritePrintIn).arg(place.m_folderName);
}

QString NoProgramForPictureMessage(const PrintPlace& place)
{
    return Text(kNoProgramForPicture).arg(place.m_folderName);
}
