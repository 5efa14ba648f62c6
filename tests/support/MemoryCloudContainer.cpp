#include "support/MemoryCloudContainer.h"

#include "support/MemoryCloudDatabase.h"

#include <QTimer>

MemoryCloudContainer::MemoryCloudContainer(MemoryCloudServer* server, QObject* parent)
    : CloudContainer(parent), m_database(new MemoryCloudDatabase(server, this))
{
}

void MemoryCloudContainer::accountStatus(std::function<void(AccountStatus status)> completion)
{
    QTimer::singleShot(0, this, [completion, status = m_status] { completion(status); });
}

CloudDatabase* MemoryCloudContainer::privateDatabase()
{
    return m_database;
}

void MemoryCloudContainer::setAccountStatus(AccountStatus status)
{
    m_status = status;
    m_database->setSignedIn(status == Available);
}
