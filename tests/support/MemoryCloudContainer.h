#pragma once

#include "platform/CloudDatabase.h"

class MemoryCloudDatabase;
class MemoryCloudServer;

// A device's account on a MemoryCloudServer, with an account status that
// tests set. Any status but Available signs the database out.
class MemoryCloudContainer : public CloudContainer
{
    Q_OBJECT

public:
    explicit MemoryCloudContainer(MemoryCloudServer* server, QObject* parent = nullptr);

    void accountStatus(std::function<void(AccountStatus status)> completion) override;
    CloudDatabase* privateDatabase() override;
    MemoryCloudDatabase* memoryDatabase() const { return m_database; }

    void setAccountStatus(AccountStatus status);

private:
    MemoryCloudDatabase* m_database;
    AccountStatus m_status = Available;
};
