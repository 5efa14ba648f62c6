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
//
// When the data folder moves, the lock of the new place is taken before any
// file is copied, and the old one given up once the move is done: a lock is
// moved into another (move assignment), which releases the one it held.
class DataFolderLock
{
public:
    // The lock of `dataFolder`, kept in `lockFolder`. The folder need not
    // exist yet: a place a move is about to fill gets the name it will have.
    explicit DataFolderLock(const QString& dataFolder, const QString& lockFolder = defaultLockFolder());
    DataFolderLock(DataFolderLock&&) noexcept;
    DataFolderLock& operator=(DataFolderLock&&) noexcept;
    ~DataFolderLock();

    // The user's runtime folder: local to this machine and private to the user.
    static QString defaultLockFolder();

    // The lock of another data folder, kept beside this one.
    DataFolderLock lockOfFolder(const QString& dataFolder) const;

    // Takes the lock; false when another running process holds it or the
    // lock cannot be made.
    bool tryLock();
    bool isLocked() const;
    QString lockFilePath() const { return m_path; }
    // True when both name the lock of one folder.
    bool sameFolderAs(const DataFolderLock& other) const { return m_path == other.m_path; }

private:
    QString m_lockFolder;
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
