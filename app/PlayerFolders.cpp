// Where the game writes: beside the executable in a copy the player owns, in the player's own folders in an installed one.
#include "PlayerFolders.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

const QString InstallationFolder = QStringLiteral("installation folder of Tessaly");

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
        return {appDir + QStringLiteral("/print.bmp"), InstallationFolder};
    const QString pictures = PlayerFolder(QStandardPaths::PicturesLocation);
    return {QDir(pictures).filePath(QStringLiteral("print.bmp")), QDir::toNativeSeparators(pictures)};
}

QString ChooseGameFolder(const QString& appDir)
{
    return !IsInstalledCopy(appDir) ? appDir : PlayerFolder(QStandardPaths::DocumentsLocation);
}

QString CannotWritePrintMessage(const PrintPlace& place)
{
    const QString message = QStringLiteral("error! can't write to print.bmp");
    return place.m_folderName == InstallationFolder ? message : message + QStringLiteral(" in ") + place.m_folderName;
}

QString NoProgramForPictureMessage(const PrintPlace& place)
{
    return QStringLiteral("Can't find any program open the game image, you can find the output image 'print.bmp' in ")
           + place.m_folderName + QStringLiteral(". Just print out this image.");
}
