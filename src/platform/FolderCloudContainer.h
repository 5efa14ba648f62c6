#pragma once

#include "platform/CloudDatabase.h"

class FolderCloudDatabase;

// The user's cloud as a folder that a file-sync service keeps in step. With
// no folder chosen there is no account; a chosen folder that is missing or
// cannot be written (a drive not mounted yet) is temporarily unavailable.
class FolderCloudContainer : public CloudContainer
{
    Q_OBJECT

public:
    FolderCloudContainer(const QString& folder, const QString& deviceID, QObject* parent = nullptr);

    void accountStatus(std::function<void(AccountStatus status)> completion) override;
    CloudDatabase* privateDatabase() override;
    FolderCloudDatabase* folderDatabase() const { return m_database; }

private:
    AccountStatus currentStatus() const;

    QString m_folder;
    FolderCloudDatabase* m_database;
};
