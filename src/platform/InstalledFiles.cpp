#include "platform/InstalledFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const QString TranslationsFolderName = QStringLiteral("translations");

// The build tree's place when it holds the file, else the installed one.
QString firstExisting(const QString& besideProgram, const QString& installed)
{
    return QFileInfo::exists(besideProgram) ? besideProgram : QDir::cleanPath(installed);
}

}  // namespace

QString InstalledFiles::privateFile(const QString& fileName)
{
    return privateFileFor(QCoreApplication::applicationDirPath(), fileName);
}

QString InstalledFiles::translationsFolder()
{
    return translationsFolderFor(QCoreApplication::applicationDirPath());
}

QString InstalledFiles::privateFileFor(const QString& programFolder, const QString& fileName)
{
    const QDir folder(programFolder);
    return firstExisting(folder.filePath(fileName),
                         folder.filePath(QStringLiteral(ORVANE_PRIVATE_DIR_FROM_BIN "/") + fileName));
}

QString InstalledFiles::translationsFolderFor(const QString& programFolder)
{
    const QDir folder(programFolder);
    return firstExisting(folder.filePath(TranslationsFolderName),
                         folder.filePath(QStringLiteral(ORVANE_DATA_DIR_FROM_BIN "/") + TranslationsFolderName));
}
