#include "DataFolderLock.h"

#include "Log.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace {

// Links and relative spellings of one folder give one name. A folder that is
// not there yet is named through its nearest existing parent, so it keeps
// its name once a move has made it.
QString realPathOf(const QString& folder)
{
    QString existing = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    QStringList missing;
    while (!QFileInfo::exists(existing)) {
        // The root, or no path at all (a chosen folder that no longer
        // resolves): nothing further up to name it by.
        const QString parent = QFileInfo(existing).absolutePath();
        if (parent == existing || existing.isEmpty())
            break;
        missing.prepend(QFileInfo(existing).fileName());
        existing = parent;
    }
    QString real = QFileInfo(existing).canonicalFilePath();
    for (const QString& part : std::as_const(missing))
        real += u'/' + part;
    return QDir::cleanPath(real);
}

}  // namespace

DataFolderLock::DataFolderLock(const QString& dataFolder, const QString& lockFolder)
    : m_lockFolder(lockFolder)
{
    const QByteArray digest =
        QCryptographicHash::hash(realPathOf(dataFolder).toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
    m_path = QDir(lockFolder).filePath(QStringLiteral("Orvane-%1.lock").arg(QString::fromLatin1(digest)));
    m_lock = std::make_unique<QLockFile>(m_path);
    // Only a lock whose process is gone counts as stale, however old it is:
    // a program that has run for a week still writes.
    m_lock->setStaleLockTime(0);
}

DataFolderLock::DataFolderLock(DataFolderLock&&) noexcept = default;
DataFolderLock& DataFolderLock::operator=(DataFolderLock&&) noexcept = default;
DataFolderLock::~DataFolderLock() = default;

QString DataFolderLock::defaultLockFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

DataFolderLock DataFolderLock::lockOfFolder(const QString& dataFolder) const
{
    return DataFolderLock(dataFolder, m_lockFolder);
}

bool DataFolderLock::tryLock()
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    if (m_lock->tryLock(0))
        return true;
    if (m_lock->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host;
        QString program;
        m_lock->getLockInfo(&pid, &host, &program);
        Log::line(QStringLiteral("The data folder is in use by process %1 (%2)").arg(pid).arg(program));
    } else {
        Log::line(QStringLiteral("Could not make the data-folder lock %1").arg(m_path));
    }
    return false;
}

bool DataFolderLock::isLocked() const
{
    return m_lock && m_lock->isLocked();
}
