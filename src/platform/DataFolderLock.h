#pragma once

#include <QString>

#include <memory>

class QLockFile;

// One writer per data folder on this machine. Two programs writing the same
// folder lose each other's payments, so the running program holds a lock
// named after the folder's real path (every way of reaching the folder finds
// the same lock). The lock lives in a local folder, never inside the data
// folder, which a sync service may copy to other machines. A lock left by a
// process that is gone is taken over.
class DataFolderLock
{
public:
    // The lock of `dataFolder`, kept in `lockFolder`.
    explicit DataFolderLock(const QString& dataFolder, const QString& lockFolder = defaultLockFolder());
    ~DataFolderLock();

    // The user's runtime folder: local to this machine and private to the user.
    static QString defaultLockFolder();

    // Takes the lock; false when another running process holds it or the
    // lock cannot be made.
    bool tryLock();
    QString lockFilePath() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
