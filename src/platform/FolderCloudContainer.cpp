#include "platform/FolderCloudContainer.h"

#include "platform/FolderCloudDatabase.h"

#include <QFileInfo>
#include <QTimer>

FolderCloudContainer::FolderCloudContainer(const QString& folder, const QString& deviceID, QObject* parent)
    : CloudContainer(parent), m_folder(folder), m_database(new FolderCloudDatabase(folder, deviceID, this))
{
}

void FolderCloudContainer::accountStatus(std::function<void(AccountStatus status)> completion)
{
    QTimer::singleShot(0, this, [completion, status = currentStatus()] { completion(status); });
}

CloudDatabase* FolderCloudContainer::privateDatabase()
{
    return m_database;
}

CloudContainer::AccountStatus FolderCloudContainer::currentStatus() const
{
    if (m_folder.isEmpty())
        return NoAccount;
    const QFileInfo folder(m_folder);
    return folder.isDir() && folder.isWritable() ? Available : TemporarilyUnavailable;
}
