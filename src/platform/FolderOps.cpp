#include "FolderOps.h"

#include "Log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace FolderOps {

namespace {

fs::path toPath(const QString& path)
{
    return fs::path(QFile::encodeName(path).toStdString());
}

bool report(QString* error, const QString& text)
{
    if (error)
        *error = text;
    Log::line(text);
    return false;
}

bool existsOrDangles(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// The absolute path with every link resolved, also for a path whose last
// parts do not exist yet.
QString resolvedPath(const QString& path)
{
    QString existing = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QString missing;
    while (!QFileInfo::exists(existing) && existing != QDir::rootPath()) {
        missing.prepend(u'/' + QFileInfo(existing).fileName());
        existing = QFileInfo(existing).absolutePath();
    }
    return QDir::cleanPath(QFileInfo(existing).canonicalFilePath() + missing);
}

// True when `inner` is `outer` itself or lies inside it; copying a folder into
// itself would never end.
bool isWithin(const QString& inner, const QString& outer)
{
    const QString innerPath = resolvedPath(inner);
    const QString outerPath = resolvedPath(outer);
    return innerPath == outerPath || innerPath.startsWith(outerPath + u'/');
}

// The checks shared by copy and move.
bool checkEnds(const QString& source, const QString& destination, QString* error)
{
    if (!QFileInfo(source).isDir() || QFileInfo(source).isSymLink())
        return report(error, QStringLiteral("%1 is not a folder").arg(source));
    if (existsOrDangles(destination))
        return report(error, QStringLiteral("%1 already exists").arg(destination));
    if (isWithin(destination, source))
        return report(error, QStringLiteral("Cannot put %1 inside itself").arg(source));
    const QString parent = QFileInfo(destination).absolutePath();
    if (!QDir().mkpath(parent))
        return report(error, QStringLiteral("Could not create the folder %1").arg(parent));
    return true;
}

bool copyChecked(const QString& source, const QString& destination, QString* error)
{
    std::error_code failure;
    // Links are copied as links so that a link to a folder cannot pull
    // unrelated trees (or a cycle) into the copy.
    fs::copy(toPath(source), toPath(destination),
             fs::copy_options::recursive | fs::copy_options::copy_symlinks, failure);
    if (!failure)
        return true;
    std::error_code ignored;
    fs::remove_all(toPath(destination), ignored);
    return report(error, QStringLiteral("Could not copy %1 to %2: %3")
                             .arg(source, destination, QString::fromStdString(failure.message())));
}

}  // namespace

bool copyFolder(const QString& source, const QString& destination, QString* error)
{
    // A link to a folder is copied as the folder it leads to: a copy is meant
    // to hold the data. (A move, by contrast, refuses the link.)
    const QString folder = QFileInfo(source).isSymLink() ? QFileInfo(source).canonicalFilePath() : source;
    return checkEnds(folder, destination, error) && copyChecked(folder, destination, error);
}

bool moveFolder(const QString& source, const QString& destination, QString* error)
{
    if (!checkEnds(source, destination, error))
        return false;
    std::error_code failure;
    fs::rename(toPath(source), toPath(destination), failure);
    if (!failure)
        return true;
    // Most often another file system; a copy and removal does the same there.
    if (!copyChecked(source, destination, error))
        return false;
    // The copy is whole at this point, so the move has succeeded even if some
    // of the old folder cannot be removed.
    if (!removeFolder(source))
        Log::line(QStringLiteral("Moved %1 to %2 but could not remove all of the old folder")
                      .arg(source, destination));
    return true;
}

namespace {

const QString PartialSuffix = QStringLiteral(".partial");
const QString ReplacedSuffix = QStringLiteral(".replaced");
const QString RemovingSuffix = QStringLiteral(".removing");

bool renamePath(const QString& from, const QString& to, QString* error)
{
    std::error_code failure;
    fs::rename(toPath(from), toPath(to), failure);
    if (!failure)
        return true;
    return report(error, QStringLiteral("Could not rename %1 to %2: %3")
                             .arg(from, to, QString::fromStdString(failure.message())));
}

// Removes a leftover of an earlier interrupted operation; a plain file of
// that name is removed as well.
void removeLeftover(const QString& path)
{
    if (!existsOrDangles(path))
        return;
    Log::line(QStringLiteral("Removing %1, left by an interrupted operation").arg(path));
    if (QFileInfo(path).isDir() && !QFileInfo(path).isSymLink())
        removeFolder(path);
    else
        QFile::remove(path);
}

}  // namespace

QStringList entriesOf(const QString& folder)
{
    QStringList entries;
    const fs::path root = toPath(folder);
    std::error_code failure;
    // Links are listed, not followed: they are copied as links.
    for (fs::recursive_directory_iterator it(root, failure), end; !failure && it != end; it.increment(failure))
        entries.append(QFile::decodeName(QByteArray::fromStdString(it->path().lexically_relative(root).string())));
    if (failure)
        Log::line(QStringLiteral("Could not list %1: %2").arg(folder, QString::fromStdString(failure.message())));
    return entries;
}

bool copyEntriesWhole(const QString& source, const QStringList& entries, const QString& destination,
                      const std::atomic<bool>& stop, QString* error)
{
    if (existsOrDangles(destination))
        return report(error, QStringLiteral("%1 already exists").arg(destination));
    const QString partial = destination + PartialSuffix;
    removeLeftover(partial);
    std::error_code failure;
    fs::create_directories(toPath(partial), failure);
    for (qsizetype i = 0; i < entries.size() && !failure && !stop; ++i) {
        const fs::path from = toPath(source + u'/' + entries.at(i));
        const fs::path to = toPath(partial + u'/' + entries.at(i));
        const fs::file_status status = fs::symlink_status(from, failure);
        if (failure || !fs::exists(status)) {
            failure.clear();  // gone since the listing
            continue;
        }
        if (fs::is_directory(status))
            fs::create_directory(to, failure);
        else
            fs::copy(from, to, fs::copy_options::copy_symlinks, failure);
    }
    if (stop && !failure)
        failure = std::make_error_code(std::errc::operation_canceled);
    if (!failure && renamePath(partial, destination, error))
        return true;
    removeFolder(partial);
    return failure ? report(error, QStringLiteral("Could not copy %1 to %2: %3")
                                       .arg(source, destination, QString::fromStdString(failure.message())))
                   : false;
}

bool replaceFolderWithCopy(const QString& source, const QString& target, QString* error)
{
    const QString partial = target + PartialSuffix;
    removeLeftover(partial);
    if (!copyFolder(source, partial, error))
        return false;
    if (!existsOrDangles(target)) {
        if (renamePath(partial, target, error))
            return true;
        removeFolder(partial);
        return false;
    }
    const QString setAside = target + ReplacedSuffix;
    removeLeftover(setAside);
    if (!renamePath(target, setAside, error)) {
        removeFolder(partial);
        return false;
    }
    if (!renamePath(partial, target, error)) {
        // Put the old folder back so nothing changed.
        renamePath(setAside, target, nullptr);
        removeFolder(partial);
        return false;
    }
    removeFolder(setAside);
    return true;
}

bool removeFolderWhole(const QString& path)
{
    const QString removing = path + RemovingSuffix;
    removeLeftover(removing);
    return renamePath(path, removing, nullptr) && removeFolder(removing);
}

void finishInterruptedWork(const QString& path)
{
    if (path.isEmpty())
        return;
    const QString setAside = path + ReplacedSuffix;
    if (!existsOrDangles(path) && QFileInfo(setAside).isDir()) {
        Log::line(QStringLiteral("Putting %1 back: its replacement never arrived").arg(path));
        renamePath(setAside, path, nullptr);
    }
    removeLeftover(setAside);
    removeLeftover(path + PartialSuffix);
    removeLeftover(path + RemovingSuffix);
}

bool removeFolder(const QString& path)
{
    if (path.isEmpty())
        return false;
    std::error_code failure;
    // remove_all does not follow links, so nothing outside `path` is touched.
    fs::remove_all(toPath(path), failure);
    if (failure)
        Log::line(QStringLiteral("Could not remove %1: %2")
                      .arg(path, QString::fromStdString(failure.message())));
    return !failure;
}

}  // namespace FolderOps
